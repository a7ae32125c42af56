// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;

// The About box: the product name in relief, the version and a notice line.
// A click anywhere on it closes it.
class Form6 : public QDialog
{
    Q_OBJECT

public:
    explicit Form6(QWidget *parent);

protected:
    void showEvent(QShowEvent *evenement) override;
    void mouseReleaseEvent(QMouseEvent *evenement) override;

private:
    QLabel *m_version;
    QLabel *m_notice;
};
