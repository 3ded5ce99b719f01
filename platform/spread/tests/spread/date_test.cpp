// Dates and times as serial numbers in the 1900 system, TEXT with date formats, and the
// clock that TODAY and NOW read.
#include "function_table.h"

namespace spread_test {
namespace {

double FixedNow() { return 45366.75; }   // 2024-03-15 18:00:00

class DateTest : public FunctionTest {
protected:
    void SetUp() override {
        FunctionTest::SetUp();
        previous = SSSetNowFunc(FixedNow);
    }
    void TearDown() override {
        SSSetNowFunc(previous);
        FunctionTest::TearDown();
    }
    SS_NOWFUNC previous = nullptr;
};

TEST_F(DateTest, SerialsFollowThe1900SystemWithItsLeapDay) {
    RunTable({{L"DATE(1900,1,1)", L"1"}, {L"DATE(1900,2,28)", L"59"}, {L"DATE(1900,2,29)", L"60"}, {L"DATE(1900,3,1)", L"61"},
              {L"DATE(1900,3,0)", L"60"}, {L"DATE(1900,1,0)", L"0"}, {L"DATE(2024,3,15)", L"45366"},
              {L"DATE(1999,12,31)", L"36525"}, {L"DATE(9999,12,31)", L"2958465"}, {L"DATE(2000,2,29)", L"36585"},
              {L"YEAR(60)&\"-\"&MONTH(60)&\"-\"&DAY(60)", L"1900-2-29"}, {L"DAY(0)", L"0"}, {L"MONTH(0)", L"1"},
              {L"YEAR(45366)", L"2024"}, {L"MONTH(45366)", L"3"}, {L"DAY(45366)", L"15"}, {L"DAY(61)", L"1"}});
}

TEST_F(DateTest, DateRollsMonthsAndDaysOver) {
    RunTable({{L"DATE(2024,13,1)", L"45658"}, {L"DATE(2024,0,1)", L"45261"}, {L"DATE(2024,-11,1)", L"44927"},
              {L"DATE(2024,1,32)", L"45323"}, {L"DATE(2024,3,0)", L"45351"}, {L"DATE(99,1,1)", L"36161"},
              {L"DATE(1900,0,1)", L"#NUM!"}, {L"DATE(10000,1,1)", L"#NUM!"}, {L"DATE(-1,1,1)", L"#NUM!"},
              {L"DATE(9999,12,32)", L"#NUM!"}, {L"DATE(2024.9,1.9,1.9)", L"45292"}, {L"DATE(\"2024\",\"1\",1)", L"45292"},
              {L"DATE(\"x\",1,1)", L"#VALUE!"}, {L"DATE(1E300,1,1)", L"#NUM!"}});
}

TEST_F(DateTest, TimesAreFractionsOfADay) {
    RunTable({{L"TIME(12,0,0)", L"0.5"}, {L"TIME(6,0,0)", L"0.25"}, {L"TIME(25,0,0)", L"0.0416666666666667"},
              {L"TIME(0,90,0)*24", L"1.5"}, {L"TIME(0,0,-1)", L"#NUM!"}, {L"TIME(1,-30,0)*48", L"1"},
              {L"HOUR(0.75)", L"18"}, {L"MINUTE(TIME(7,45,30))", L"45"}, {L"SECOND(TIME(7,45,30))", L"30"},
              {L"HOUR(45366.5)", L"12"}, {L"SECOND(0.99999999)", L"0"}, {L"HOUR(-1)", L"#NUM!"},
              {L"HOUR(\"08:30\")", L"8"}, {L"MINUTE(\"2024-03-15 08:30:15\")", L"30"}});
}

TEST_F(DateTest, DateTextsAsArguments) {
    RunTable({{L"YEAR(\"2024-03-15\")", L"2024"}, {L"DAY(\"2024/03/15\")", L"15"}, {L"MONTH(\"2024-02-30\")", L"#VALUE!"},
              {L"YEAR(\"15.03.2024\")", L"#VALUE!"}, {L"YEAR(\"45366\")", L"2024"}, {L"DAY(TRUE)", L"1"},
              {L"YEAR(3000000)", L"#NUM!"}});
}

TEST_F(DateTest, WeekdayInEveryNumbering) {
    // 2024-03-15 is a Friday.
    RunTable({{L"WEEKDAY(45366)", L"6"}, {L"WEEKDAY(45366,1)", L"6"}, {L"WEEKDAY(45366,2)", L"5"},
              {L"WEEKDAY(45366,3)", L"4"}, {L"WEEKDAY(45366,11)", L"5"}, {L"WEEKDAY(45366,12)", L"4"},
              {L"WEEKDAY(45366,16)", L"7"}, {L"WEEKDAY(45366,17)", L"6"}, {L"WEEKDAY(45366,4)", L"#NUM!"},
              {L"WEEKDAY(1)", L"1"}, {L"WEEKDAY(DATE(2024,3,17))", L"1"}});
}

TEST_F(DateTest, EdateAndEomonthKeepToTheMonth) {
    RunTable({{L"EDATE(DATE(2024,1,31),1)", L"45351"}, {L"EDATE(DATE(2024,3,15),-12)", L"45000"},
              {L"EDATE(DATE(2023,1,31),1)=DATE(2023,2,28)", L"TRUE"}, {L"EDATE(DATE(2024,3,15),1.9)", L"45397"},
              {L"EOMONTH(DATE(2024,1,15),1)", L"45351"}, {L"EOMONTH(DATE(2024,1,15),0)", L"45322"},
              {L"EOMONTH(DATE(2024,3,15),-3)=DATE(2023,12,31)", L"TRUE"}, {L"EDATE(DATE(1900,1,15),-1)", L"#NUM!"},
              {L"EOMONTH(\"2024-02-10\",0)", L"45351"}, {L"EDATE(1,\"x\")", L"#VALUE!"}});
}

TEST_F(DateTest, DatedifInEveryUnit) {
    RunTable({{L"DATEDIF(DATE(2020,5,20),DATE(2024,3,15),\"Y\")", L"3"},
              {L"DATEDIF(DATE(2020,5,20),DATE(2024,3,15),\"M\")", L"45"},
              {L"DATEDIF(DATE(2020,5,20),DATE(2024,3,15),\"D\")", L"1395"},
              {L"DATEDIF(DATE(2020,5,20),DATE(2024,3,15),\"YM\")", L"9"},
              {L"DATEDIF(DATE(2020,5,20),DATE(2024,3,15),\"MD\")", L"24"},
              {L"DATEDIF(DATE(2020,5,20),DATE(2024,3,15),\"YD\")", L"300"},
              {L"DATEDIF(DATE(2024,1,31),DATE(2024,3,1),\"m\")", L"1"},
              {L"DATEDIF(DATE(2024,3,15),DATE(2024,3,15),\"D\")", L"0"},
              {L"DATEDIF(DATE(2024,3,16),DATE(2024,3,15),\"D\")", L"#NUM!"},
              {L"DATEDIF(1,2,\"W\")", L"#NUM!"}, {L"DATEDIF(DATE(2023,6,1),DATE(2024,5,31),\"Y\")", L"0"},
              {L"DATEDIF(DATE(2023,6,1),DATE(2024,6,1),\"Y\")", L"1"}});
}

TEST_F(DateTest, TextFormatsDatesAndTimes) {
    RunTable({{L"TEXT(45366,\"yyyy-mm-dd\")", L"2024-03-15"}, {L"TEXT(45366,\"dd.mm.yy\")", L"15.03.24"},
              {L"TEXT(45366,\"d/m/yyyy\")", L"15/3/2024"}, {L"TEXT(45366,\"dddd d mmmm yyyy\")", L"Friday 15 March 2024"},
              {L"TEXT(45366,\"ddd mmm\")", L"Fri Mar"}, {L"TEXT(45366,\"mmmmm\")", L"M"},
              {L"TEXT(45366.75,\"hh:mm\")", L"18:00"}, {L"TEXT(45366.75,\"h:mm AM/PM\")", L"6:00 PM"},
              {L"TEXT(0.5,\"h am/pm\")", L"12 pm"}, {L"TEXT(0.25,\"h A/P\")", L"6 A"},
              {L"TEXT(TIME(7,5,9),\"h:m:s\")", L"7:5:9"}, {L"TEXT(TIME(7,5,9),\"hh:mm:ss\")", L"07:05:09"},
              {L"TEXT(45366,\"\"\"Date:\"\" yyyy\")", L"Date: 2024"}, {L"TEXT(45366,\"yyyy\\y\")", L"2024y"},
              {L"TEXT(60,\"yyyy-mm-dd\")", L"1900-02-29"}, {L"TEXT(\"2024-03-15\",\"dd/mm\")", L"15/03"},
              {L"TEXT(0.999999,\"yyyy-mm-dd hh:mm:ss\")", L"1900-01-01 00:00:00"}, {L"TEXT(-1,\"yyyy\")", L"#VALUE!"},
              {L"TEXT(\"abc\",\"yyyy\")", L"abc"}, {L"TEXT(1234.5,\"0.00\")", L"1234.50"}, {L"TEXT(45366,\"mm:ss\")", L"00:00"}});
}

TEST_F(DateTest, MonthEndsLeapYearsAndCenturies) {
    RunTable({{L"EDATE(DATE(2024,2,29),12)=DATE(2025,2,28)", L"TRUE"}, {L"EDATE(DATE(2024,2,29),48)=DATE(2028,2,29)", L"TRUE"},
              {L"EOMONTH(DATE(1900,1,31),1)", L"60"}, {L"EOMONTH(DATE(2100,1,1),1)=DATE(2100,2,28)", L"TRUE"},
              {L"EOMONTH(DATE(2000,1,1),1)=DATE(2000,2,29)", L"TRUE"}, {L"DAY(DATE(2100,2,29))", L"1"},
              {L"DATE(2024,12,31)-DATE(2024,1,1)", L"365"}, {L"DATE(2023,12,31)-DATE(2023,1,1)", L"364"},
              {L"EOMONTH(DATE(9999,12,1),1)", L"#NUM!"}, {L"EDATE(DATE(2024,1,31),-1)=DATE(2023,12,31)", L"TRUE"},
              {L"DATEDIF(DATE(2024,1,31),DATE(2024,3,1),\"MD\")", L"1"}, {L"DATEDIF(DATE(2024,2,29),DATE(2025,2,28),\"Y\")", L"0"},
              {L"DATEDIF(DATE(2024,2,29),DATE(2025,3,1),\"YD\")", L"1"}, {L"DATEDIF(DATE(2023,3,1),DATE(2024,2,29),\"YD\")", L"365"},
              {L"WEEKDAY(DATE(1900,3,1))", L"5"}, {L"WEEKDAY(DATE(2000,1,1))", L"7"}});
}

TEST_F(DateTest, MoreDateFormats) {
    RunTable({{L"TEXT(45366,\"mmm-yy\")", L"Mar-24"}, {L"TEXT(45366,\"MMMM D, YYYY\")", L"March 15, 2024"},
              {L"TEXT(45366.5,\"yy/mm/dd hh\\h\")", L"24/03/15 12h"}, {L"TEXT(0,\"hh:mm:ss\")", L"00:00:00"},
              {L"TEXT(45366.999994,\"hh:mm:ss\")", L"23:59:59"}, {L"TEXT(45366.9999999,\"yyyy-mm-dd hh:mm\")", L"2024-03-16 00:00"},
              {L"TEXT(2958465,\"yyyy-mm-dd\")", L"9999-12-31"}, {L"TEXT(2958466,\"yyyy\")", L"#VALUE!"},
              {L"TEXT(TIME(0,30,0),\"h:mm AM/PM\")", L"12:30 AM"}, {L"TEXT(TIME(12,5,0),\"h:mm a/p\")", L"12:05 p"},
              {L"TEXT(45366,\"d\"\" of \"\"mmmm\")", L"15 of March"}, {L"TEXT(5,\"0.0\")", L"5.0"},
              // Units after a number format are texts, not date codes.
              {L"TEXT(10,\"0 mm\")", L"10 mm"}, {L"TEXT(3,\"0 pcs\")", L"3 pcs"}, {L"TEXT(2.5,\"#.0 h\")", L"2.5 h"},
              {L"TEXT(45366,\"\"\"0\"\" yyyy\")", L"0 2024"}});
}

TEST_F(DateTest, TodayAndNowReadTheInjectedClock) {
    RunTable({{L"TODAY()", L"45366"}, {L"NOW()", L"45366.75"}, {L"TEXT(NOW(),\"yyyy-mm-dd hh:mm\")", L"2024-03-15 18:00"},
              {L"YEAR(TODAY())", L"2024"}, {L"TODAY(1)", L"#VALUE!"}});
}

double gClock = 45000.5;
double MovingClock() { return gClock; }

TEST_F(DateTest, TodayIsRecalculatedOnEveryChange) {
    SSSetNowFunc(MovingClock);
    gClock = 45000.5;
    Formula(1, 1, L"TODAY()");
    Formula(1, 2, L"A1+1");          // reads the volatile cell: follows it
    EXPECT_EQ(Val(1, 1), L"45000");
    gClock = 45001.25;
    Put(5, 5, 1);                   // any change of the sheet
    EXPECT_EQ(Val(1, 1), L"45001");
    EXPECT_EQ(Val(1, 2), L"45002");
    gClock = 45010;
    SSReCalc(ss);
    EXPECT_EQ(Val(1, 2), L"45011");
}

TEST_F(DateTest, SystemClockGivesAPlausibleDay) {
    SSSetNowFunc(nullptr);
    double today = 0;
    Formula(1, 1, L"NOW()");
    ASSERT_TRUE(SSGetFloat(ss, 1, 1, &today));
    EXPECT_GT(today, 45000);      // after 2023
    EXPECT_LT(today, 2958465);
    EXPECT_EQ(Calc(L"TODAY()=INT(A1)"), L"TRUE");
}

}  // namespace
}  // namespace spread_test
