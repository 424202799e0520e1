// The one strict conversion of decimal text to a number: optional sign, digits, ".",
// optional exponent, surrounding blanks. Anything else is a ConversionError naming the text
// and the field.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "calc/single.h"

class ConversionError : public std::runtime_error {
  public:
    ConversionError(const std::string& text, const std::string& field);
    const std::string& text() const { return text_; }
    const std::string& field() const { return field_; }

  private:
    std::string text_;
    std::string field_;
};

// The text without the blanks around it, which a conversion allows.
std::string Trimmed(const std::string& text);

// A value for a Double field.
double ParseDouble(const std::string& text, std::string_view field);
// A value for a Single field: also rejects what a Single cannot hold.
Single ParseSingle(const std::string& text, std::string_view field);
// An integer (choice indices): optional sign and digits, surrounding blanks.
int ParseInteger(const std::string& text, const std::string& field);
