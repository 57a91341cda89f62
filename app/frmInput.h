#pragma once
// The one-field value prompt. sTitle is the caption, sValue the value in and the
// answer out: OK copies the box into it, Cancel empties it. sRange, when given,
// shows below the box what may be typed (unit and range). Use InputValue().

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace dalto {

class Paths;

class frmInput final : public QDialog {
    Q_OBJECT
public:
    explicit frmInput(const Paths& paths, QWidget* parent = nullptr);

    void Form_Load();

    QString sTitle;
    QString sValue;
    QString sRange;

    QLabel* Label1;
    QLineEdit* txtValue;
    QLabel* lblRange;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    const Paths& paths_;
};

// Shows frmInput modally with title, value and range and returns what was
// typed; an empty text means the user cancelled.
QString InputValue(const Paths& paths, const QString& title, const QString& value,
                   QWidget* parent = nullptr, const QString& range = {});

} // namespace dalto
