// The three operations through which the answer board reads and changes the
// tick boxes. The questionnaire window implements them over its real tick
// boxes; the tests implement them over plain booleans.
#pragma once

namespace questionnaire {

struct Option;

class Flags
{
public:
    virtual ~Flags() = default;

    virtual bool isEnabled(const Option &option) const = 0;
    virtual void setEnabled(const Option &option, bool enabled) = 0;
    virtual void setTicked(const Option &option, bool ticked) = 0;

protected:
    Flags() = default;
    Flags(const Flags &) = default;
    Flags &operator=(const Flags &) = default;
};

} // namespace questionnaire
