#pragma once
// The one fault type of the program: a handler that meets it stops, and the
// fault box shows its message.
#include <stdexcept>
#include <string>
#include <string_view>

namespace calc {

class Fault : public std::runtime_error {
public:
    explicit Fault(const std::string& message) : std::runtime_error(message), message_(message) {}
    // The whole message, also where the text it names holds a NUL character.
    const std::string& Message() const { return message_; }

private:
    std::string message_;
};

namespace messages {
inline constexpr std::string_view DivisionByZero = "Floating point division by zero";
inline constexpr std::string_view InvalidOperation = "Invalid floating point operation";
inline constexpr std::string_view Overflow = "Floating point overflow";
inline constexpr std::string_view NoDefaultPrinter = "There is no default printer currently selected";
}  // namespace messages

// "'<text>' is not a valid floating point value"
std::string NotAFloatingPointValue(std::string_view text);
// "'<text>' is not a valid integer value"
std::string NotAnIntegerValue(std::string_view text);

// The message as the user reads it: a period is appended unless the message
// is empty or already ends in a character coded at or below '.'.
std::string WithClosingPeriod(std::string_view message);

}  // namespace calc
