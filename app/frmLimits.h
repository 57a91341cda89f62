#pragma once
// "Limits": the bench's ceilings on the voltage, current, OVP and OCP levels that
// any panel or daltoctl may set. An empty box leaves the supply's rating as the
// ceiling. OK checks the entries, writes them to [Limits] of the settings file
// and puts them in force; Cancel changes nothing.

#include "core/BenchLimits.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace dalto {

struct AppContext;

class frmLimits final : public QDialog {
    Q_OBJECT
public:
    explicit frmLimits(AppContext& context, QWidget* parent = nullptr);

    // The limits in force in the boxes, the ratings as their placeholders.
    void Form_Load();
    // Whether OK saved the limits.
    bool saved() const { return saved_; }

    QLabel* lblNote;
    QLineEdit* txtVoltage;
    QLineEdit* txtCurrent;
    QLineEdit* txtOVP;
    QLineEdit* txtOCP;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    void cmdOK_Click();
    // The boxes in SetPointKind order.
    std::array<QLineEdit*, SetPointKindCount> boxes() const;

    AppContext& context_;
    bool saved_ = false;
};

// The Limits menu item and the Setup dialog's Limits key: the dialog, modal,
// over parent. True when new limits were saved and are in force.
bool RunLimitsDialog(AppContext& context, QWidget* parent);

} // namespace dalto
