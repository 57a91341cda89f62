// tavKnob as a host sees it: properties by name, notifications, the Min
// refusal, design-time-only properties and the stored-property round trip.
#include <dialix/ComponentError.h>
#include <dialix/PropertyBag.h>
#include <dialix/tavKnob.h>

#include <QCheckBox>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {
using dialix::PropertyBag;

TEST(KnobProperties, DispatchInterfaceIsReachableByNameAlone)
{
    tavKnob knob;
    const QMetaObject* meta = knob.metaObject();
    for (const char* name : {"Enabled", "Max", "Min", "Slot", "Turns", "Value", "BackColor"})
        EXPECT_GE(meta->indexOfProperty(name), 0) << name;
    for (const char* signature : {"SetPositionNoEvent(float)", "TransparentBlt()", "Change()", "Scroll()"})
        EXPECT_GE(meta->indexOfMethod(signature), 0) << signature;

    QVariant result = QStringLiteral("not cleared");
    ASSERT_TRUE(QMetaObject::invokeMethod(&knob, "SetPositionNoEvent", Q_RETURN_ARG(QVariant, result),
                                          Q_ARG(float, 42.5f)));
    EXPECT_FALSE(result.isValid());
    EXPECT_FLOAT_EQ(knob.property("Value").toFloat(), 42.5f);

    // Enabled is the knob's own flag, apart from QWidget's enabled.
    knob.setProperty("Enabled", false);
    EXPECT_TRUE(knob.isEnabled());
    EXPECT_FALSE(knob.property("Enabled").toBool());
}

TEST(KnobProperties, EveryStoredAssignmentNotifiesItsOwnPropertyOnly)
{
    tavKnob knob;
    knob.setMessageBox([](const QString&, const QString&) {});
    const QMetaObject* meta = knob.metaObject();
    const QVariantMap assignments{{"Enabled", false}, {"Max", 50.0f}, {"Slot", true},
                                  {"Turns", 4},       {"Value", 5.0f}, {"BackColor", QColor(Qt::red)}};
    for (auto it = assignments.cbegin(); it != assignments.cend(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
            if (meta->property(i).hasNotifySignal())
                spies.push_back(std::make_unique<QSignalSpy>(&knob, meta->property(i).notifySignal()));
        ASSERT_EQ(spies.size(), assignments.size());
        knob.setProperty(it.key().toUtf8(), it.value());
        for (const auto& spy : spies) {
            const bool own = spy->signal() == it.key().toUtf8() + "Changed()";
            EXPECT_EQ(spy->count(), own ? 1 : 0) << spy->signal().constData();
        }
    }
}

TEST(KnobProperties, ValueOutOfRangeIsRefusedButStillRaisesChange)
{
    tavKnob knob;
    QSignalSpy change(&knob, &tavKnob::Change);
    QSignalSpy valueChanged(&knob, &tavKnob::ValueChanged);

    knob.setProperty("Value", 30.0f);
    EXPECT_EQ(change.count(), 1);
    EXPECT_EQ(valueChanged.count(), 1);

    knob.setProperty("Value", 150.0f);
    EXPECT_FLOAT_EQ(knob.value(), 30.0f);
    EXPECT_EQ(change.count(), 2);
    EXPECT_EQ(valueChanged.count(), 1);

    knob.SetPositionNoEvent(150.0f);
    knob.SetPositionNoEvent(-1.0f);
    knob.SetPositionNoEvent(std::nanf(""));
    EXPECT_FLOAT_EQ(knob.value(), 30.0f);
    EXPECT_EQ(change.count(), 2);
    EXPECT_EQ(valueChanged.count(), 1);
}

TEST(KnobProperties, MinIsNeverStoredAndTellsTheUser)
{
    tavKnob knob;
    QStringList shown;
    knob.setMessageBox([&shown](const QString& text, const QString& title) { shown << text << title; });
    knob.setProperty("Min", 5.0f);
    EXPECT_EQ(knob.minimum(), 0.0f);
    EXPECT_EQ(shown, (QStringList{"Min value always zero", "Dialix - Knob"}));
}

TEST(KnobProperties, RunTimeAssignmentsOfDesignTimePropertiesReport382ToTheHost)
{
    tavKnob knob;
    knob.setProperty("Turns", 3);
    knob.setUserMode(true);
    std::vector<std::pair<int, QString>> reported;
    knob.setErrorHandler([&reported](const dialix::ComponentError& error) {
        reported.emplace_back(error.number(), error.description());
    });

    // By name, and from a signal, as Qt's property system and a slot would.
    EXPECT_NO_THROW(knob.setProperty("Turns", 7));
    QCheckBox slotBox;
    QObject::connect(&slotBox, &QCheckBox::toggled, &knob, &tavKnob::setSlot);
    EXPECT_NO_THROW(slotBox.setChecked(true));
    const std::pair<int, QString> refusal{382, "Let/Set not supported at run time."};
    EXPECT_EQ(reported, (std::vector{refusal, refusal}));
    EXPECT_EQ(knob.turns(), 3);
    EXPECT_FALSE(knob.slot());

    // Without a handler the host shows it, as a component host does.
    knob.setErrorHandler({});
    QStringList shown;
    knob.setMessageBox([&shown](const QString& text, const QString&) { shown << text; });
    knob.setTurns(8);
    EXPECT_EQ(shown, QStringList{"Run-time error '382':\n\nLet/Set not supported at run time."});

    // A C++ caller may ask for the exception instead.
    EXPECT_THROW(knob.setTurnsOrThrow(7), dialix::ComponentError);
    EXPECT_THROW(knob.setSlotOrThrow(true), dialix::ComponentError);
    EXPECT_EQ(knob.turns(), 3);
    EXPECT_FALSE(knob.slot());
    // The program's own properties stay settable.
    knob.setProperty("Max", 20.0f);
    EXPECT_EQ(knob.maximum(), 20.0f);
}

TEST(KnobProperties, StoredPropertiesRoundTrip)
{
    tavKnob original;
    PropertyBag stored;
    stored.write("Turns", 3);
    stored.write("Slot", true);
    stored.write("Enabled", false);
    stored.write("Max", 42.5f);
    stored.write("Min", 0.5f);
    stored.write("BackColor", 0x00336699);
    original.ReadProperties(stored);

    PropertyBag saved;
    original.WriteProperties(saved);
    EXPECT_EQ(saved.keys().size(), 6);
    tavKnob copy;
    copy.ReadProperties(saved);
    EXPECT_EQ(copy.turns(), 3);
    EXPECT_TRUE(copy.slot());
    EXPECT_FALSE(copy.knobEnabled());
    EXPECT_EQ(copy.maximum(), 42.5f);
    EXPECT_EQ(copy.minimum(), 0.5f);
    EXPECT_EQ(copy.backColor(), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(saved.read("BackColor", {}).toInt(), 0x00336699);
    // Value is the program's business, not the form's.
    EXPECT_FALSE(saved.contains("Value"));
}

TEST(KnobProperties, MissingKeysGetTheStoredDefaults)
{
    tavKnob knob;
    EXPECT_EQ(knob.turns(), 5) << "a new instance";
    EXPECT_FALSE(knob.slot());
    knob.ReadProperties(PropertyBag());
    EXPECT_EQ(knob.turns(), 10) << "a stored knob without the key, unlike a new one";
    EXPECT_TRUE(knob.slot()) << "the integer default 100 reads as True";
    EXPECT_TRUE(knob.knobEnabled());
    EXPECT_EQ(knob.maximum(), 100.0f);
    EXPECT_EQ(knob.minimum(), 0.0f);
    EXPECT_EQ(knob.backColor(), knob.palette().color(QPalette::Window)) << "the active border's colour";

    // A system colour is stored back as the system colour, not as its value.
    PropertyBag saved;
    knob.WriteProperties(saved);
    EXPECT_EQ(static_cast<quint32>(saved.read("BackColor", {}).toInt()), 0x8000000Au);
}

TEST(KnobProperties, AssignedSystemColourIsKeptAsItsCodeAndFollowsThePalette)
{
    tavKnob knob;
    knob.setBackColor(QColor(1, 2, 3));
    knob.setBackColor(0x8000000Au);
    PropertyBag saved;
    knob.WriteProperties(saved);
    EXPECT_EQ(static_cast<quint32>(saved.read("BackColor", {}).toInt()), 0x8000000Au);
    EXPECT_EQ(knob.backColorCode(), 0x8000000Au);

    QPalette palette = knob.palette();
    palette.setColor(QPalette::Window, QColor(0, 128, 0));
    knob.setPalette(palette);
    EXPECT_EQ(knob.backColor(), QColor(0, 128, 0));
}

TEST(KnobProperties, KeysMatchWithoutRegardToCaseAndOnlyAssignedTurnsAreCapped)
{
    tavKnob knob;
    QSignalSpy turnsChanged(&knob, &tavKnob::TurnsChanged);
    PropertyBag stored;
    stored.write("TURNS", 12);
    stored.write("max", 7.0f);
    stored.write("sLoT", false);
    knob.ReadProperties(stored);
    EXPECT_EQ(knob.turns(), 12);
    EXPECT_EQ(knob.maximum(), 7.0f);
    EXPECT_FALSE(knob.slot());
    EXPECT_EQ(turnsChanged.count(), 0);
    knob.setProperty("Turns", 12);
    EXPECT_EQ(knob.turns(), 10);
    EXPECT_EQ(turnsChanged.count(), 1);
}
} // namespace
