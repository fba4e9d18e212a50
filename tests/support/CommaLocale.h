#pragma once

#include <clocale>
#include <cstdlib>
#include <string>

// Puts the C library into German number formatting (decimal comma), as Qt's
// application object does on such a desktop, and restores the old locale
// when the object goes. The locale is built into the build tree, so the
// machine needs none installed.
class CommaLocale {
public:
    CommaLocale()
    {
        const char* previous = std::setlocale(LC_ALL, nullptr);
        previous_ = previous ? previous : "C";
        ::setenv("LOCPATH", MORVANE_LOCALE_DIR, 1);
        std::setlocale(LC_ALL, "de_DE.UTF-8");
    }
    ~CommaLocale()
    {
        ::unsetenv("LOCPATH");
        std::setlocale(LC_ALL, previous_.c_str());
    }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    // True when numbers are now written with a comma.
    static bool Active() { return std::string(std::localeconv()->decimal_point) == ","; }

private:
    std::string previous_;
};
