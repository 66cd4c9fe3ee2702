// A fresh application on a simulated desktop for each test.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "ui/core/forms.h"
#include "ui/ws/headless/headless.h"

class DesktopTest : public ::testing::Test {
protected:
    DesktopTest() {
        auto ws = std::make_unique<ui::HeadlessWidgetSet>();
        desktop = ws.get();
        app = std::make_unique<ui::TApplication>(std::move(ws));
    }
    ui::HeadlessWidgetSet* desktop;
    std::unique_ptr<ui::TApplication> app;
};
