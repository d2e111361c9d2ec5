#pragma once

#include <QByteArray>
#include <QString>

// Knower levels for teachers and researchers who run give-N on paper: a CSV
// table with a header row naming the columns child, asked and given (in any
// order, among others), one trial a row. Every row counts.
struct KnowerLevelsTable
{
    QString csv;   // "child,level" and a row per child, in the order first seen
    QString error; // translated; empty when every row was read
    int errorLine = 0;
};

KnowerLevelsTable knowerLevelsOf(const QByteArray &csvFile);

// The exit status of a fault in the table or the file.
inline constexpr int BadKnowerLevelsFile = 2;

// Prints the levels of a file on standard output, or its fault on standard
// error; returns the exit status.
int printKnowerLevels(const QString &fileName);
