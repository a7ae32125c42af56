// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

// A caption that counts clicks: each mouse button released over it is
// emitted, whichever button it is, for its window to act on.
class LegendeCliquable : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void relache(Qt::MouseButton bouton);

protected:
    void mouseReleaseEvent(QMouseEvent *evenement) override;
};
