// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QString>
#include <QSvgRenderer>
#include <QWidget>

// The main window's pictures, drawn from their SVG at the screen's own
// scale: a fixed bitmap stretched over its box would blur at a scale factor
// of 2.

// The stamp of the result frame.
class Timbre : public QWidget
{
public:
    explicit Timbre(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *evenement) override;

private:
    QSvgRenderer m_rendu;
};

// The window's and the menu entries' icons.
QIcon icone(const QString &chemin);
