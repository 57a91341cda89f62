#pragma once
// What every fuzz target shares: taking the fuzzer's bytes apart, a scratch file for
// the readers that only read files, the Qt application object, and the check that
// stops the run when an invariant fails.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace dalto::fuzz {

// The input as parts separated by NUL bytes; the parts run out into empty ones.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size);

    QByteArray next();
    // Everything not taken yet, separators included.
    QByteArray rest();
    // One byte (0 once the input is used up).
    uint8_t byte();

private:
    QByteArray bytes_;
    qsizetype at_ = 0;
};

// The Latin-1 text of bytes: every byte stays one character.
QString text(const QByteArray& bytes);

// A file holding bytes, the same path on every call of the process (in TMPDIR).
QString scratchFile(const QByteArray& bytes);

// Creates the QCoreApplication once; code that pumps events needs it.
void ensureApplication();

// Prints what broke and aborts, so that libFuzzer keeps the input.
[[noreturn]] void fail(const char* condition, const QString& detail);

} // namespace dalto::fuzz

#define FUZZ_CHECK(condition, detail)                   \
    do {                                                \
        if (!(condition))                               \
            ::dalto::fuzz::fail(#condition, (detail));  \
    } while (false)
