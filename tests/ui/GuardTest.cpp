#include "ui/Guard.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <stdexcept>

#include "platform/Error.h"
#include "tests/ui/FakeModals.h"

namespace {

using Kind = FakeModals::Kind;

TEST(Guard, AnErrorEndsTheHandlerAndReachesTheStandardErrorBox) {
    FakeModals modals;
    QStringList steps;
    Guarded(modals, [&] {
        steps << "before";
        throw Error("Unable to write to C:\\Hry\\Baldurova brána\\Baldur.ini");
        steps << "after";
    });
    EXPECT_EQ(steps, QStringList({"before"}));
    EXPECT_EQ(
        modals.Texts(Kind::ApplicationError),
        QStringList({QStringLiteral("Unable to write to C:\\Hry\\Baldurova brána\\Baldur.ini")}));
    EXPECT_EQ(modals.calls.size(), 1U);
}

TEST(Guard, EveryKindOfExceptionIsCaught) {
    FakeModals modals;
    Guarded(modals, [] { throw ConversionError("Neplatná jednotka"); });
    Guarded(modals, [] { throw std::out_of_range("index out of range"); });
    Guarded(modals, [] { throw 42; });
    EXPECT_EQ(modals.Texts(Kind::ApplicationError),
              QStringList({QStringLiteral("Neplatná jednotka"), "index out of range",
                           UnknownErrorMessage()}));
    EXPECT_FALSE(UnknownErrorMessage().isEmpty());
}

TEST(Guard, AHandlerThatSucceedsShowsNothing) {
    FakeModals modals;
    bool ran = false;
    Guarded(modals, [&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(modals.calls.empty());
}

// Handlers connected through Guard run from Qt's own event handling; an error
// in one click leaves the program working for the next.
TEST(Guard, ConnectedHandlersFailAndTheProgramGoesOn) {
    FakeModals modals;
    QPushButton button(QStringLiteral("Procházet"));
    button.resize(80, 25);
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, &button, Guard(modals, [&] {
        ++clicks;
        if (clicks == 1) {
            throw Error("Registry unavailable");
        }
    }));
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(modals.Texts(Kind::ApplicationError), QStringList({"Registry unavailable"}));
}

TEST(Guard, PassesTheSignalsArgumentsWhenTheHandlerTakesThem) {
    FakeModals modals;
    QSpinBox box;
    box.setRange(0, 10);
    QList<int> seen;
    QObject::connect(&box, &QSpinBox::valueChanged, &box, Guard(modals, [&](int value) {
        seen << value;
        if (value == 3) {
            throw Error("Three");
        }
    }));
    box.setValue(3);
    box.setValue(5);
    EXPECT_EQ(seen, QList<int>({3, 5}));
    EXPECT_EQ(modals.Texts(Kind::ApplicationError), QStringList({"Three"}));
}

}  // namespace
