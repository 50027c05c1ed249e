#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "editor/catalogue.h"
#include "editor/main_window.h"
#include "editor/procedures.h"
#include "editor/start_up.h"
#include "editor/validation.h"
#include "support/editor_window.h"
#include "support/work_folder.h"

namespace editor_test {

// A window after a normal start-up (logo and caption file present). The
// text rules are hooked once more before the start, the same way the program
// hooks them, so that a test can look at the texts they remember.
class StartedEditor : public ::testing::Test {
protected:
    StartedEditor() { e.start(); }

    support::WorkFolder folder{support::readyFolder()};
    support::Program e;
    std::shared_ptr<editor::RememberedTexts> remembered = editor::wireValidationRules(e.w);
    editor::MainWindow& w = e.w;
};

}  // namespace editor_test
