#include <gtest/gtest.h>

#include <QLocale>
#include <QRegularExpression>

#include "state/SettingsClock.h"

using namespace lumivra;

TEST(SettingsClock, SeparatorsComeFromTheLocale) {
  EXPECT_EQ(LocaleDateSeparator(QLocale(QLocale::English, QLocale::UnitedStates)), "/");
  EXPECT_EQ(LocaleTimeSeparator(QLocale(QLocale::English, QLocale::UnitedStates)), ":");
  EXPECT_EQ(LocaleDateSeparator(QLocale(QLocale::German, QLocale::Germany)), ".");
  EXPECT_EQ(LocaleDateSeparator(QLocale(QLocale::Dutch, QLocale::Netherlands)), "-");
  EXPECT_EQ(LocaleTimeSeparator(QLocale(QLocale::Finnish, QLocale::Finland)), ".");
}

TEST(SettingsClock, TimestampNowHasTheHeaderShape) {
  const QString now = QString::fromStdString(SettingsTimestampNow());
  EXPECT_TRUE(QRegularExpression(R"(^\d\d\D\d\d\D\d{4} \d\d\D\d\d\D\d\d$)").match(now).hasMatch())
      << now.toStdString();
}
