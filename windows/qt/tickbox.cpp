#include <windows/qt/tickbox.h>

#include <QtWidgets/QStyleOptionButton>
#include <QtWidgets/QStyleOptionFocusRect>
#include <QtWidgets/QStylePainter>

namespace windows::qt {

namespace {

// Absolute: the painter takes its direction from the application, not the box.
constexpr Qt::Alignment kCaptionAlignment = Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter;
constexpr int kCaptionFlags = int(kCaptionAlignment) | Qt::TextWordWrap;

} // namespace

TickBox::TickBox(const QString &caption, QWidget *parent)
    : QCheckBox(caption, parent)
{
    connect(this, &QAbstractButton::toggled, this, &TickBox::clickEvent);
}

QRect TickBox::indicatorRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    indicator.moveTop((height() - indicator.height()) / 2);
    return indicator;
}

QRect TickBox::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    QRect caption = rect();
    caption.setLeft(indicatorRect().right() + 1 + spacing);
    return caption;
}

void TickBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    // A painter lays text out in the application's direction: right-to-left,
    // "60-and more" would read "and more-60". The box's own direction holds.
    painter.setLayoutDirection(layoutDirection());
    QStyleOptionButton option;
    initStyleOption(&option);

    option.rect = indicatorRect();
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);

    const QRect caption = captionRect();
    painter.drawItemText(caption, kCaptionFlags, palette(), isEnabled(), text(),
                         QPalette::WindowText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = fontMetrics()
                         .boundingRect(caption, kCaptionFlags, text())
                         .adjusted(-1, 0, 1, 0)
                         .intersected(rect());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool TickBox::hitButton(const QPoint &pos) const
{
    // The platform's tick boxes take clicks anywhere in the control.
    return rect().contains(pos);
}

} // namespace windows::qt
