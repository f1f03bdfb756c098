#pragma once

#include "card/Error.h"
#include "card/Prompts.h"

#include <QCoreApplication>
#include <exception>
#include <new>

// Runs one command; a failure it does not handle itself ends it and is shown
// in the general error box. Returns false when the command failed. No
// exception may cross the event loop, so everything is caught here.
template <typename F>
bool runCommand(IPrompts &prompts, F &&command)
{
    try {
        command();
        return true;
    } catch (const MorvaneError &e) {
        prompts.error(errorBoxText(e.message()));
    } catch (const std::bad_alloc &) {
        prompts.error(errorBoxText(QCoreApplication::translate("CommandGuard", "Out of memory")));
    } catch (const std::exception &e) {
        prompts.error(errorBoxText(QString::fromLocal8Bit(e.what())));
    }
    return false;
}
