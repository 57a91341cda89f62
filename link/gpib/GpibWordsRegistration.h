#pragma once
// Keeps the caller's status words that a driver updates after every call, with the
// answers of RegisterGpibGlobalsForThread: 0 registered, 1 the same words were
// already registered, 2 other words are registered. Every call of the program comes
// from the user-interface thread, so one registration stands for that thread.

#include "GpibDriver.h"

namespace dalto {

class GpibWordsRegistration {
public:
    int registerWords(GpibThreadWords* words);
    int unregisterWords();
    // Hands the status of the call just made to the registered words, if any.
    void publish(const GpibThreadWords& status) const;

private:
    GpibThreadWords* words_ = nullptr;
};

} // namespace dalto
