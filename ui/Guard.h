#pragma once

#include <QString>
#include <exception>
#include <type_traits>
#include <utility>

#include "ui/Modals.h"

// No exception may cross Qt's event loop. Every event handler runs through
// Guarded: an error ends the handler where it occurs, the application's
// standard error box shows its message, and the program goes on.

// The text the standard error box shows for an exception: the message of a
// std::exception (our Error carries system text), or a general message for
// anything else.
QString MessageOf(const std::exception& error);
QString UnknownErrorMessage();

template <typename Handler>
void Guarded(Modals& modals, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        modals.ShowApplicationError(MessageOf(error));
    } catch (...) {
        modals.ShowApplicationError(UnknownErrorMessage());
    }
}

// A slot that runs the handler through Guarded, for connecting a signal:
//   connect(Button2, &QPushButton::clicked, this, Guard(modals, [this] { Button2Click(); }));
// The handler takes the signal's arguments, or none.
template <typename Handler>
auto Guard(Modals& modals, Handler handler) {
    return [&modals, handler = std::move(handler)](const auto&... arguments) {
        Guarded(modals, [&] {
            if constexpr (std::is_invocable_v<const Handler&, decltype(arguments)...>) {
                handler(arguments...);
            } else {
                handler();
            }
        });
    };
}
