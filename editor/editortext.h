// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

// What the editor says outside its windows' own classes, in the preparer's
// language: EditorText::tr("...").
struct EditorText
{
    Q_DECLARE_TR_FUNCTIONS(Editor)
};

// A name at the head of a line: "letter" becomes "Letter"; Chinese stays as it is.
inline QString asHeading(const QString &name)
{
    return name.left(1).toUpper() + name.mid(1);
}
