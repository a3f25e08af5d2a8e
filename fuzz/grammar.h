#pragma once
// The shapes of text that number entry may accept, written independently of
// the conversions themselves, for the fuzzers to check them against.
#include <string_view>

// Blanks, one optional sign, digits with at most one separator (at least one
// of the two), an optional exponent ("E" or "e", optional sign, digits), blanks.
bool HasNumberGrammar(std::string_view text, char separator);

// Blanks before, one optional sign, then decimal digits or a hexadecimal
// number after "$", "x" or "0x".
bool HasWholeNumberGrammar(std::string_view text);
