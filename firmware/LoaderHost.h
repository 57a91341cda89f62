#pragma once
// What the loader tells the one who drives it: a window shows it, a command-line
// tool prints it. Pending user-interface events run through the Clock service.

#include "LoaderStatus.h"
#include "core/Prompts.h"

#include <QString>

namespace dalto::firmware {

struct LoaderMessage {
    QString text;
    QString title;
    PromptIcon icon = PromptIcon::None;
};

// A run-time failure that ends the transfer outside its regular endings.
struct LoaderError {
    QString source;
    QString description;
    int number = 0;
};

class LoaderHost {
public:
    virtual ~LoaderHost() = default;
    virtual void showStatus(LoaderStatus status) = 0;
    // The address of the last packet built, as the user reads it.
    virtual void showAddress(const QString& address) = 0;
    // The progress runs from 0 to maximum.
    virtual void showProgressRange(int maximum) = 0;
    virtual void showProgress(int value) = 0;
    virtual void tell(const LoaderMessage& message) = 0;
    virtual void reportError(const LoaderError& error) = 0;
    // The transfer is over, whatever its ending: Start may be used again.
    virtual void transferEnded() = 0;
};

} // namespace dalto::firmware
