#include "GpibWordsRegistration.h"

namespace dalto {

int GpibWordsRegistration::registerWords(GpibThreadWords* words)
{
    if (words_ != nullptr)
        return words_ == words ? 1 : 2;
    words_ = words;
    return 0;
}

int GpibWordsRegistration::unregisterWords()
{
    words_ = nullptr;
    return 0;
}

void GpibWordsRegistration::publish(const GpibThreadWords& status) const
{
    if (words_ != nullptr)
        *words_ = status;
}

} // namespace dalto
