#include <content/programtext.h>

namespace content {

namespace {

// One literal a line, so that leading and trailing spaces stay visible.

// Monthly norm 500-1000 g.
constexpr std::string_view kForm2Text = "Eat period no more than 3 times per day. Dream - no \r\n"
                                        "more than 8 hours per day.\r\n"
                                        "To reduce the use of grain items and sugar.\r\n"
                                        "To not accept food less than 2 hours prior to dream.\r\n"
                                        "To try minimum to use meat dishes.\r\n"
                                        "To try to substitute meat dishes fish.\r\n"
                                        "Norm of grain items in day - 200g.\r\n"
                                        "Dairy eat - 250g.\r\n"
                                        "Meat eat - 100g.\r\n"
                                        "To try it is more to use of vegetables and fruit.\r\n"
                                        "To exclude the use of beans, peas and string bean.\r\n"
                                        "The use of corn to make minimum.\r\n"
                                        "  \r\n"
                                        "  \r\n"
                                        "_________________________________________\r\n"
                                        "  \r\n"
                                        "It is necessary conduct an active image of life, to \r\n"
                                        "attend sports.In exercises not less than 2 times per \r\n"
                                        "one week.\r\n"
                                        "The swim, run, bicycle is recommended.\r\n"
                                        "  \r\n"
                                        "Norm of loss of weight 500-1000g in a month.\r\n";

// Monthly norm 1000-1500 g.
constexpr std::string_view kForm3Text = "Eat period no more than 3 times per day.\r\n"
                                        "Dream - 8 hours.\r\n"
                                        "The use of bakeries of items is excluded.\r\n"
                                        "It is recommended to use only rye bread.\r\n"
                                        "The sugar is necessary for excluding.\r\n"
                                        "From dairy products the use of ungreasy cottage \r\n"
                                        "cheese is supposed.\r\n"
                                        "Two times per week - glass of milk.\r\n"
                                        "Meat - only a beef.\r\n"
                                        "To try instead of meat to use a fish.\r\n"
                                        "To exclude the use of beans, string bean, peas.\r\n"
                                        "The vegetables and fruit are recommended.\r\n"
                                        "Try to use more salads, i.e. vegetarian food.\r\n"
                                        "To not use spirits drinks.\r\n"
                                        "Eat period to default less than two hours prior to \r\n"
                                        "dream.\r\n"
                                        "  \r\n"
                                        "_______________________________________\r\n"
                                        "  \r\n"
                                        "Conduct an active image of life.\r\n"
                                        "Occupations by sports not less than tree times per \r\n"
                                        "one week.\r\n"
                                        "It is necessary to execute run, swim, exercise on \r\n"
                                        "muscles of a stomach, hip, breast.\r\n"
                                        "It are recommended curtsy, rise of legs.\r\n"
                                        "To visit a training hall not less once per one week.\r\n"
                                        "  \r\n"
                                        "Norm of loss of weight 1000 - 1500g in month.\r\n";

// Monthly norm 1500-2000 g.
constexpr std::string_view kForm5Text =
    "Eat period -2 times per day.\r\n"
    "Dream -8 hours.\r\n"
    "The Bakeries of an item are excluded completely.\r\n"
    "Dairy items - cheese, no more 200g per one week,\r\n"
    "Meat products - to exclude completely.\r\n"
    "It is desirable to use sea foods ( fish not more often 2 \r\n"
    "times per one week ).\r\n"
    "The fresh vegetables, except for beans, string bean \r\n"
    "and peas are recommended.\r\n"
    "Eggs is recommended to be used no more than 8 per \r\n"
    "one week.\r\n"
    "The first dishes to prepare on a ungreasy broth.\r\n"
    "To prepare on vegetable oil.\r\n"
    "To reduce the use of liquids. It is forbidden to drink \r\n"
    "before dream.\r\n"
    "Spirits drinks completely to exclude.\r\n"
    "Juice use no more 300g per one week.\r\n"
    "The use of chicken meat is necessary for excluding.\r\n"
    "  ________________________________________\r\n"
    "  \r\n"
    "It is necessary to attend to sport. The run, swim, \r\n"
    "driving a bicycle is recommended.\r\n"
    "To train each day. Visit of a training hall not less than \r\n"
    "two times per one week.\r\n"
    "   \r\n"
    "Norm of loss of weight 1500 - 2000g in a month.\r\n";

// Monthly norm 2000-2200 g.
constexpr std::string_view kForm6Text = "Eat period-2 times day.\r\n"
                                        "Dream-6 hours.\r\n"
                                        "Completely to exclude bakeries of an item, sugar, \r\n"
                                        "alconol.\r\n"
                                        "It is more to use fruit juices to reduce of mihimum, \r\n"
                                        "vegetable juices.\r\n"
                                        "Cheese-no more 150g per one week, milk-no more \r\n"
                                        "100g per one week.\r\n"
                                        "It is necessary completely to exclude beans, peas \r\n"
                                        "and a string bean.\r\n"
                                        "Liquid to not use less than two hours prior to dream.\r\n"
                                        "Eggs no more than 4 pieces per one week.\r\n"
                                        "The first dishes to prepare on a ungreasy broth.\r\n"
                                        "To not use chicken meat. It is not recommended\r\n"
                                        "to use confectionery items.\r\n"
                                        "To not use the fried food. To try to use boiled food.\r\n"
                                        "Unloading day -Saturday. \r\n"
                                        "The use of food-once per day.\r\n"
                                        "      \r\n"
                                        "_________________________________________\r\n"
                                        "    \r\n"
                                        "Necessarily occupations by sports. The swim, run, \r\n"
                                        "exercise for a stomach and legs is recommended.\r\n"
                                        "Visit of training hall not less than 3 times per one \r\n"
                                        "week.\r\n"
                                        "Norm of loss of weight 2000-2200g in a month.\r\n";

constexpr std::string_view kGoodWeightNotice = "Youre weight is very good!!!";

} // namespace

std::string_view programText(questionnaire::ResultKind kind)
{
    using enum questionnaire::ResultKind;
    switch (kind) {
    case Form2:
        return kForm2Text;
    case Form3:
        return kForm3Text;
    case Form4:
        return kGoodWeightNotice;
    case Form5:
        return kForm5Text;
    case Form6:
        return kForm6Text;
    }
    return {};
}

} // namespace content
