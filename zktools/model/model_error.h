// Errors the model raises for the windows to show (e.what() is the message).
#ifndef ZKTOOLS_MODEL_MODEL_ERROR_H
#define ZKTOOLS_MODEL_MODEL_ERROR_H

#include <stdexcept>
#include <string>
#include <string_view>

// A failure that carries its user message: the table guard, the parameter file.
class ModelError : public std::runtime_error {
public:
    explicit ModelError(const std::string& message) : std::runtime_error(message) {}
};

// The text with every control byte written out (\0 for NUL, \x1B style for the others and
// DEL), so that a message shows all of it: a NUL would end it, and ESC and the like would reach
// the window raw. Bytes from 0x80 up are left alone; they are UTF-8 of a typed text.
inline std::string VisibleText(std::string_view text) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string visible;
    visible.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0) {
            visible += "\\0";
        } else if (byte < 0x20 || byte == 0x7F) {
            visible += "\\x";
            visible.push_back(Hex[byte >> 4]);
            visible.push_back(Hex[byte & 0xF]);
        } else {
            visible.push_back(c);
        }
    }
    return visible;
}

// A text that is not a number; the message names the text as typed, control bytes made visible.
class ConversionError : public ModelError {
public:
    explicit ConversionError(std::string_view text)
        : ModelError("'" + VisibleText(text) + "' is not a valid floating point value") {}
};

#endif
