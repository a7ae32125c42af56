// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QObject>

#include <functional>

class QLabel;
class QWidget;

// The main window's help line: pointing at a control writes its help text
// there, computed at that moment; the line keeps it until another control
// replaces it. A control registered without a text keeps the line as it is,
// instead of handing the move to what lies behind it.
class AideSurvol : public QObject
{
public:
    explicit AideSurvol(QObject *parent) : QObject(parent) { }

    void setLigne(QLabel *ligne) { m_ligne = ligne; }
    void ajouter(QWidget *controle, std::function<QString()> texte = {});

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    QLabel *m_ligne = nullptr;
    QHash<const QObject *, std::function<QString()>> m_textes;
};
