#include "editor_fixture.h"

namespace {

using editor_test::StartedEditor;

const char* const kGprsControls[] = {"Label_gprs_period", "Text_gprs_period", "Check_alarm_gprs",
                                     "Check_gprs_balance", "Check_gprs_clock", "Text_apn_sim1",
                                     "Text_port",         "Text_ip",          "Check_oxrana_gprs"};

TEST_F(StartedEditor, TheGprsSwitchEnablesExactlyTheReportingControls)
{
    const char* untouched[] = {"MSFlexGrid_gprs_label", "Label_ID_vyr_", "Label_password_"};
    std::vector<bool> before;
    for (const char* name : untouched)
        before.push_back(w.form1.find(name)->enabled());

    for (int value : {1, 0, 1}) {
        w.check("Check_gprs").setValue(value);
        for (const char* name : kGprsControls)
            EXPECT_EQ(w.form1.find(name)->enabled(), value == 1) << name << " with the box at " << value;
        for (std::size_t i = 0; i < std::size(untouched); ++i)
            EXPECT_EQ(w.form1.find(untouched[i])->enabled(), before[i]) << untouched[i];
    }
}

TEST_F(StartedEditor, AUserClickOnTheGprsSwitchWorksLikeAnAssignment)
{
    w.check("Check_gprs").userClick();
    EXPECT_EQ(w.check("Check_gprs").value(), 1);
    EXPECT_TRUE(w.text("Text_ip").enabled());
    w.check("Check_gprs").userClick();
    EXPECT_FALSE(w.text("Text_ip").enabled());
}

TEST_F(StartedEditor, CallSwitchesEnableTheirLengthListsAndKeepTheSelection)
{
    struct C {
        const char* box;
        const char* list;
    };
    for (const C& c : {C{"Check_oxr_on_call", "Combo_oxr_on_long"}, C{"Check_oxr_of_call", "Combo_oxr_of_long"}}) {
        SCOPED_TRACE(c.box);
        w.check(c.box).setValue(1);
        EXPECT_TRUE(w.list(c.list).enabled());
        w.list(c.list).userSelect(1);
        w.check(c.box).setValue(0);
        EXPECT_FALSE(w.list(c.list).enabled());
        EXPECT_EQ(w.list(c.list).listIndex(), 1);
        w.check(c.box).userClick();
        EXPECT_TRUE(w.list(c.list).enabled());
    }
}

TEST_F(StartedEditor, TheBusyAndFullCycleBoxesRetitleEachOther)
{
    const std::string notReacting =
        "на \"отбой\" не реагируем, поскольку включен полный цикл тревожного оповещения";
    ASSERT_EQ(w.check("Check_full_circle").value(), 1);
    EXPECT_EQ(w.check("Check_busy_on").toolTip(), notReacting);

    w.check("Check_full_circle").userClick();
    EXPECT_NE(w.check("Check_busy_on").toolTip(), notReacting);
    w.check("Check_full_circle").userClick();
    EXPECT_EQ(w.check("Check_busy_on").toolTip(), notReacting);

    const std::string pause = "с последующей минутной паузой";
    w.check("Check_busy_on").setValue(1);
    const std::string& tip = w.check("Check_full_circle").toolTip();
    ASSERT_GE(tip.size(), pause.size());
    EXPECT_EQ(tip.substr(tip.size() - pause.size()), pause);
}

}  // namespace
