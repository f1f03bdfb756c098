#pragma once

#include <QCoreApplication>

// The texts of the command-line modes share one translation context.
class CommandLineText
{
    Q_DECLARE_TR_FUNCTIONS(CommandLineText)
};
