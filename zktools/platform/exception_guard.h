// The one place where an exception leaving a handler is caught: it is shown by the
// exception display (caption the application title, text its what()) and the
// window stays open. Qt Widgets is built without exception cleanups, so every slot
// body runs inside Guard; GuiApplication::notify is only the last resort.
#ifndef ZKTOOLS_PLATFORM_EXCEPTION_GUARD_H
#define ZKTOOLS_PLATFORM_EXCEPTION_GUARD_H

#include <concepts>
#include <exception>
#include <functional>
#include <utility>

namespace zk::platform {

// Shows the exception through the message seam; never throws.
void ReportException(const std::exception& error) noexcept;
// For exceptions that are not std::exception.
void ReportUnknownException() noexcept;

// Runs `handler`; true when it returned normally, false when it threw (then shown).
template <class F> bool Guard(F&& handler) noexcept {
    try {
        std::forward<F>(handler)();
        return true;
    } catch (const std::exception& error) {
        ReportException(error);
    } catch (...) {
        ReportUnknownException();
    }
    return false;
}

// Wraps a handler for QObject::connect: the slot runs it inside Guard. Takes any
// leading part of the signal's arguments that `handler` accepts.
template <class F> auto Guarded(F handler) {
    return [handler = std::move(handler)]<class... Args>(
        Args && ... args) mutable requires std::invocable<F&, Args...> {
        Guard([&] { std::invoke(handler, std::forward<Args>(args)...); });
    };
}

} // namespace zk::platform

#endif
