// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/reason.h"

#include <optional>
#include <utility>

// A sentence the editor has already worded in its own language.
inline Reason editorReason(const QString &worded)
{
    return Reason::plain(worded);
}

// How something the editor did came out: done, or not done and why. The
// reason is worded in the editor's language only where it is shown.
class Outcome
{
public:
    Outcome() = default; // done
    Outcome(Reason failure) // NOLINT: a reason is a failed outcome
        : m_failure(std::move(failure))
    { }

    bool ok() const { return m_failure.isEmpty(); }
    const Reason &failure() const { return m_failure; }
    QString why() const { return m_failure.text(); }

private:
    Reason m_failure;
};

// A value made, or why none could be.
template <typename T>
class Produced
{
public:
    Produced(T value) // NOLINT: a value is a success
        : m_value(std::move(value))
    { }
    Produced(Reason failure) // NOLINT: a reason is a failure
        : m_failure(std::move(failure))
    { }

    bool ok() const { return m_value.has_value(); }
    const T &value() const { return *m_value; }
    const T *operator->() const { return &*m_value; }
    const T &operator*() const { return *m_value; }
    const Reason &failure() const { return m_failure; }
    QString why() const { return m_failure.text(); }

private:
    std::optional<T> m_value;
    Reason m_failure;
};
