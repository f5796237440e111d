#include "settings/last_time.h"

#include <gtest/gtest.h>

#include "settings/app_dir.h"
#include "support/temp_dir.h"

using namespace vantor;

TEST(LastTime, OnlyARealDayAndTimeIsTaken) {
    for (const char* good : {"2024/05/26 12:00:00", "2024/02/29 23:59:59", "2000/01/01 00:00:00"})
        EXPECT_TRUE(isValidLastTime(sjisBytes(good))) << good;
    for (const char* bad : {"", "2026/02/30 10:00:00", "2023/02/29 10:00:00", "2024/13/01 10:00:00",
                            "2024/05/26 24:00:00", "2024/05/26 12:60:00", "2024-05-26 12:00:00", "2024/05/26 12:00:0",
                            "2024/05/26 12:00:000", " 2024/05/26 12:00:0"})
        EXPECT_FALSE(isValidLastTime(sjisBytes(bad))) << bad;
    EXPECT_FALSE(isValidLastTime(sjisBytes(std::string_view("2024/05/26 12:00:00\0", 20))));
    EXPECT_FALSE(isValidLastTime(sjisBytes(std::string_view("2024/05/2\0 12:00:00", 19))));
}

TEST(LastTime, ImpossibleStoredValuesCountAsAbsent) {
    const test::TempDir folder;
    setAppDir(folder.path());
    TIniGT ini;
    ini.setFileName("vantor.ini");
    EXPECT_EQ(readLastTime(ini), ""_sjis);
    EXPECT_TRUE(storeLastTime(ini, "2024/05/27 09:00:00"));
    EXPECT_EQ(readLastTime(ini), "2024/05/27 09:00:00"_sjis);
    test::writeFile(ini.filePath(), "[JvDataGet]\r\nLastTime=2026/02/30 10:00:00\r\n");
    EXPECT_EQ(readLastTime(ini), ""_sjis);
    test::writeFile(ini.filePath(), std::string("[JvDataGet]\r\nLastTime=2024/05/\0\0 10:00:00\r\n", 43));
    EXPECT_EQ(readLastTime(ini), ""_sjis);
    setAppDir({});
}
