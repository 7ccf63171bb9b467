#include "ui/ErrorText.h"

#include <gtest/gtest.h>

TEST(ErrorBoxText, AddsAFullStopOnlyAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(ui::ErrorBoxText(L"File not found"), L"File not found.");
    EXPECT_EQ(ui::ErrorBoxText(L"'abc' is not a valid integer value"),
              L"'abc' is not a valid integer value.");
    EXPECT_EQ(ui::ErrorBoxText(L"Файл не найден"), L"Файл не найден.");
    EXPECT_EQ(ui::ErrorBoxText(L"Done."), L"Done.");
    EXPECT_EQ(ui::ErrorBoxText(L"What?"), L"What?."); // '?' sorts after '.'
    EXPECT_EQ(ui::ErrorBoxText(L"Stop!"), L"Stop!");  // '!' sorts before it
    EXPECT_EQ(ui::ErrorBoxText(L"path C:\\x-"), L"path C:\\x-");
    EXPECT_EQ(ui::ErrorBoxText(L"code 42"), L"code 42.");
    EXPECT_EQ(ui::ErrorBoxText(L""), L"");
}
