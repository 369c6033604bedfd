#pragma once
// The interface in English for the life of this object, translated as the
// editor translates it (the compiled translation beside the test program);
// Japanese, the source language, needs nothing.

#include "app/Language.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace sorn::test {

class ScopedLanguage {
public:
    explicit ScopedLanguage(bool english) {
        if (english) {
            EXPECT_TRUE(InstallLanguage(true, QCoreApplication::applicationDirPath() + u'/'))
                << "no compiled English translation beside the test";
        }
    }
    ~ScopedLanguage() { RemoveTranslators(); }
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;
};

} // namespace sorn::test
