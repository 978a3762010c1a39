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

// A text that is not a number; the message names the text as typed.
class ConversionError : public ModelError {
public:
    explicit ConversionError(std::string_view text)
        : ModelError("'" + std::string(text) + "' is not a valid floating point value") {}
};

#endif
