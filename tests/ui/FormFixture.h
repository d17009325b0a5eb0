#pragma once

#include "platform/Com.h"
#include "platform/LibraryLoader.h"
#include "support/Doubles.h"
#include "ui/UnitMain.h"
#include "ui/UrlAutoComplete.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace quorlane::test {

// The main window as start-up builds it, with the error box and the clock
// replaced by ones the test reads and sets.
class FormFixture : public ::testing::Test {
protected:
    void CreateForm(bool show = true)
    {
        form = std::make_unique<TFormMain>(errors, clock, autoComplete);
        if (show) {
            form->show();
            form->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        }
    }

    void TearDown() override { form.reset(); }

    RecordingErrorDisplay errors;
    FixedClock clock;
    ComApartment com;
    BuiltinLibraryLoader loader;
    UrlAutoComplete autoComplete{loader, com};
    std::unique_ptr<TFormMain> form;
};

} // namespace quorlane::test
