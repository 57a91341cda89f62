// The value prompt and the About box.

#include "ScriptedPrompts.h"
#include "app/QtPrompts.h"
#include "app/SystemInfoTool.h"
#include "app/frmAbout.h"
#include "app/frmInput.h"
#include "FakeClock.h"
#include "core/AppContext.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace dalto;
using namespace dalto::testing;

namespace {

class DialogsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakeClock clock;
    ScriptedPrompts prompts;
    AppContext context{clock, prompts, Paths(dir.path(), dir.filePath("Dalto_Panel.ini"), dir.path())};

    // Runs InputValue; while it waits, types typed (unless null) and clicks button.
    QString answerPrompt(const QString& value, const char* button, const QString& typed = {})
    {
        QTimer::singleShot(0, [&] {
            auto* input = qobject_cast<frmInput*>(QApplication::activeModalWidget());
            ASSERT_NE(input, nullptr);
            shownValue = input->txtValue->text();
            shownCaption = input->windowTitle();
            if (!typed.isNull())
                input->txtValue->setText(typed);
            input->findChild<QPushButton*>(button)->click();
        });
        return InputValue(context.paths, "Set Voltage", value);
    }
    QString shownValue;
    QString shownCaption;

    void writeLogo(int width)
    {
        QImage logo(width, 40, QImage::Format_RGB32);
        logo.fill(Qt::blue);
        // Pictures are recognised by their content, whatever the file is called.
        ASSERT_TRUE(logo.save(dir.filePath("logo.gif"), "PNG"));
    }
};

} // namespace

TEST_F(DialogsTest, InputPromptShowsAStartValueAndReturnsTheAnswer)
{
    EXPECT_EQ(answerPrompt("", "cmdOK"), "0.0");
    EXPECT_EQ(shownValue, "0.0");
    EXPECT_EQ(shownCaption, "Set Voltage");

    EXPECT_EQ(answerPrompt("1.5", "cmdOK", "2.25"), "2.25");
    EXPECT_EQ(shownValue, "1.5");

    EXPECT_EQ(answerPrompt("1.5", "cmdCancel", "7"), "");
}

TEST_F(DialogsTest, AboutBoxShowsVersionsAndHidesANarrowOrMissingLogo)
{
    context.state.FirmwareVersion = "2.3";
    context.state.InterfaceVersion = "<b>1.27</b>"; // the device's text, shown as it came
    {
        frmAbout about(context);
        about.sTitle = "Dalto";
        about.Form_Load();
        EXPECT_EQ(about.lblTitle->text(), "Dalto");
        EXPECT_EQ(about.lblVersion->text(), QStringLiteral("Dalto Version %1.%2").arg(DALTO_VERSION_MAJOR).arg(DALTO_VERSION_MINOR));
        EXPECT_EQ(about.lblFirmware->text(), "Firmware Version 2.3");
        EXPECT_EQ(about.lblHardware->text(), "Hardware Version <b>1.27</b>");
        for (QLabel* label : {about.lblTitle, about.lblFirmware, about.lblHardware})
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
        EXPECT_EQ(about.findChildren<QFrame*>("Line1").size(), 2);
        EXPECT_TRUE(about.pctLogo->isHidden()) << "no logo file";
    }
    for (const auto& [width, shown] : {std::pair{99, false}, std::pair{100, true}}) {
        writeLogo(width);
        frmAbout about(context);
        about.Form_Load();
        EXPECT_EQ(!about.pctLogo->isHidden(), shown) << width;
    }
}

TEST_F(DialogsTest, SystemInfoWithoutTheToolSaysItIsUnavailable)
{
    ASSERT_TRUE(SystemInfoToolPath().isEmpty());
    frmAbout about(context);
    about.cmdSysInfo->click();
    EXPECT_EQ(prompts.messageTexts(), QStringList{"System Information Is Unavailable At This Time"});
}

TEST_F(DialogsTest, MessageBoxesShowTheirTextAsPlainText)
{
    Qt::TextFormat format = Qt::RichText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        format = box->textFormat();
        box->button(QMessageBox::Ok)->click();
    });
    QtPrompts qtPrompts(context.paths);
    qtPrompts.message(QStringLiteral("Reply: <b>DALTO</b>"), ApplicationTitle, PromptButtons::Ok, PromptIcon::None);
    EXPECT_EQ(format, Qt::PlainText);
}

// The program asks its own overwrite question where it has one (table files) and
// replaces a transcript file as it is told: the save dialog must not ask first.
TEST_F(DialogsTest, SaveDialogTakesAnExistingFileWithoutAskingAboutIt)
{
    const QString existing = dir.filePath("old.txt");
    QFile old(existing);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();

    bool dialogAsked = false;
    int ticksOpen = 0;
    QTimer answering;
    QObject::connect(&answering, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            dialogAsked = true;
            box->reject();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            // Typed as a user would: selectFile leaves a focused name box alone.
            if (++ticksOpen > 100) {
                dialog->reject(); // something kept it open
                return;
            }
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(existing);
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        }
    });
    answering.start(20);
    QtPrompts qtPrompts(context.paths);
    const QString path = qtPrompts.pickFile({"Dalto Panel - Select or Enter File", dir.path(),
                                             "Text Files (*.txt)|*.txt|All Files (*.*)|*.*", false});
    answering.stop();
    EXPECT_FALSE(dialogAsked);
    EXPECT_EQ(path, existing);
}
