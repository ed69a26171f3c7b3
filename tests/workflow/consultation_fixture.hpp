// A main-window workflow over a fresh data root seeded with the shipped
// files, a scripted prompter, an in-memory pane, a fixed clock and scripted
// classification and random answers.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>

#include "../files/temp_data_root.hpp"
#include "files/data_root.hpp"
#include "files/file_io.hpp"
#include "scripted_prompter.hpp"
#include "workflow/consultation.hpp"
#include "workflow/memory_pane.hpp"

namespace qimen::testing {

class ConsultationTest : public ::testing::Test {
protected:
    ConsultationTest() {
        files::setDurableWrites(false);
        EXPECT_TRUE(files::prepareDataRoot(root.path(), files::shippedDefaultsDirectory()));
        workflow::ConsultationServices s;
        s.dataRoot = root.path();
        s.prompter = &prompter;
        s.pane = &pane;
        s.showMemo = [this](const std::string& text) { memo = text; };
        s.now = [] { return calendar::CivilDateTime{2008, 8, 8, 20, 8}; };
        s.random = [this] { return random; };
        s.classify = [this](workflow::ClassificationForm& form) {
            if (!classification) return false;
            form.className = classification->first;
            form.notes = classification->second;
            return form.confirm(prompter);
        };
        s.closeCustomChart = [this] { ++customChartsClosed; };
        consultation = std::make_unique<workflow::Consultation>(std::move(s));
        files::WindowSettings settings;
        settings.province = 34;  // 未知地
        consultation->start(settings);
        auto& in = consultation->inputs();
        in.name = "张三";
        in.matter = "求财";
    }
    ~ConsultationTest() override { files::setDurableWrites(true); }

    workflow::ConsultationInputs& inputs() { return consultation->inputs(); }
    std::filesystem::path commentary(int n) const { return root.path() / "qimen_f" / (std::to_string(n) + ".rtf"); }

    // Lays the chart of the inputs and saves it as a new case; answers its number.
    std::int32_t chartAndSaveNew() {
        EXPECT_TRUE(consultation->chart());
        EXPECT_TRUE(consultation->save());
        prompter.take();
        return consultation->caseRows().number(consultation->caseRows().size() - 1);
    }

    TempDataRoot root;
    ScriptedPrompter prompter;
    workflow::MemoryPane pane;
    std::string memo;
    std::uint32_t random = 0;
    std::optional<std::pair<std::string, std::string>> classification{{"求财", "备注:"}};
    int customChartsClosed = 0;
    std::unique_ptr<workflow::Consultation> consultation;
};

}  // namespace qimen::testing
