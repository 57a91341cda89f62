#include "FlashProgress.h"

#include "ConsoleOutput.h"

#include <algorithm>
#include <string>

namespace dalto::ctl {

namespace {
constexpr int BarWidth = 40;
constexpr int PlainStepPercent = 10;
} // namespace

void FlashProgress::showStatus(firmware::LoaderStatus status)
{
    const QString text = firmware::statusLook(status).text;
    if (text.isEmpty())
        return;
    endBar();
    phase_ = text;
    shownPercent_ = -1;
    ending_ = status;
    std::fprintf(out_, "%s\n", qPrintable(text));
    std::fflush(out_);
}

void FlashProgress::showProgressRange(int maximum)
{
    maximum_ = maximum;
}

void FlashProgress::showProgress(int value)
{
    if (maximum_ <= 0)
        return;
    const int percent = std::clamp(value * 100 / maximum_, 0, 100);
    // A plain line each time the progress enters another tenth.
    const int step = terminal_ ? percent : percent / PlainStepPercent * PlainStepPercent;
    if (step == shownPercent_)
        return;
    shownPercent_ = step;
    if (terminal_) {
        const int filled = percent * BarWidth / 100;
        std::fprintf(out_, "\r%s [%s%s] %3d%%", qPrintable(phase_), std::string(std::size_t(filled), '#').c_str(),
                     std::string(std::size_t(BarWidth - filled), '.').c_str(), percent);
        barOpen_ = true;
    } else {
        std::fprintf(out_, "%s %d%%\n", qPrintable(phase_), step);
    }
    std::fflush(out_);
}

void FlashProgress::tell(const firmware::LoaderMessage& message)
{
    endBar();
    PrintError(message.text);
}

void FlashProgress::reportError(const firmware::LoaderError& error)
{
    endBar();
    PrintError(error.description);
    ending_.reset();
}

void FlashProgress::transferEnded()
{
    endBar();
}

void FlashProgress::endBar()
{
    if (!barOpen_)
        return;
    std::fputc('\n', out_);
    barOpen_ = false;
}

} // namespace dalto::ctl
