// A German locale for the length of a test, as a window system sets it for a user there: the
// C library's decimal point becomes a comma. The earlier locale comes back afterwards.
#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <string>

class GermanLocale {
  public:
    GermanLocale() : saved_(std::setlocale(LC_ALL, nullptr)) {
        active_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }
    ~GermanLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
    GermanLocale(const GermanLocale&) = delete;
    GermanLocale& operator=(const GermanLocale&) = delete;

    // Whether the locale is in force with its comma; `./dev setup` generates it.
    bool active() const { return active_ && std::localeconv()->decimal_point == std::string(","); }

  private:
    std::string saved_;
    bool active_;
};
