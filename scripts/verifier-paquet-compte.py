#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Équipe Ambrelot
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the installed Ambrelot as a person would, for one account.

Runs inside a D-Bus session and an X server (scripts/verifier-paquet starts
both, as an unprivileged account): keys go in through the X server, what the
windows show comes back through the accessibility bus.

    verifier-paquet-compte.py premier   first start: prices from the shipped
                                        files, a save creates the user's copy
    verifier-paquet-compte.py suivant   next start: reads the copy; started
                                        again, brings its minimized window
                                        forward with its counts
    verifier-paquet-compte.py autre     another account: the shipped values

The program's temporary folder is PARTAGE, which other accounts share: it
must leave nothing there.
"""
import os
import re
import subprocess
import sys
import time

import pyatspi

PROGRAMME = "/usr/bin/ambrelot"
LIVRE = "/usr/lib/ambrelot/TarifNormal.ini"
DOSSIER_COPIE = os.path.join(os.environ["XDG_CONFIG_HOME"], "ambrelot")
COPIE = os.path.join(DOSSIER_COPIE, "TarifNormal.ini")


def echec(message):
    print("ÉCHEC : " + message, file=sys.stderr)
    sys.exit(1)


def attendre(quoi, condition, delai=20.0):
    fin = time.monotonic() + delai
    while time.monotonic() < fin:
        resultat = condition()
        if resultat:
            return resultat
        time.sleep(0.1)
    echec("délai dépassé : " + quoi)


def objets(racine):
    pile = [racine]
    while pile:
        o = pile.pop()
        yield o
        pile.extend(o.getChildAtIndex(i) for i in reversed(range(o.childCount)))


def application():
    bureau = pyatspi.Registry.getDesktop(0)
    for i in range(bureau.childCount):
        a = bureau.getChildAtIndex(i)
        if a is not None and a.name == "ambrelot":
            return a
    return None


def fenetre(debut):
    a = application()
    if a is None:
        return None
    for i in range(a.childCount):
        f = a.getChildAtIndex(i)
        if f is not None and f.name.startswith(debut):
            return f
    return None


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True, timeout=20)


def activer(debut):
    """Gives the window the keyboard, through the window manager."""
    attendre("fenêtre « %s »" % debut, lambda: fenetre(debut))
    xdotool("search", "--sync", "--onlyvisible", "--name", "^" + re.escape(debut), "windowactivate", "--sync")


def prix(attendu):
    """Types 3 in the first count box (114 x 162 envelopes) and reads the stamp."""
    activer("Ambrelot")
    xdotool("type", "3")

    def affiche():
        textes = [o.name for o in objets(fenetre("Ambrelot")) if o.getRoleName() == "label"]
        return attendu if attendu in textes and "9,6" in textes else None

    attendre("3 enveloppes 114 x 162 : 9,6 g et « %s »" % attendu, affiche)


def legende_tarif():
    """Opens the France Rapide grid with its shortcut; returns the window and its caption."""
    activer("Ambrelot")
    xdotool("key", "ctrl+r")
    dialogue = attendre("tarif France Rapide", lambda: fenetre("Tarification Normale"))
    return dialogue, dialogue.name


def tampon(chemin):
    with open(chemin, "rb") as f:
        trouve = re.search(rb"^MiseAJour=(.*)\r$", f.read(), re.M)
    return trouve.group(1).decode("cp1252") if trouve else None


def octets(chemin):
    with open(chemin, "rb") as f:
        return f.read()


def etat(fenetre_x):
    sortie = subprocess.run(["xprop", "-id", fenetre_x, "_NET_WM_STATE"], capture_output=True,
                            text=True, timeout=20).stdout
    return "cachée" if "_NET_WM_STATE_HIDDEN" in sortie else "visible"


def premier_plan(env):
    """Minimizes the window, starts the program again: the second copy
    leaves at once, the first comes forward, active, its counts kept."""
    activer("Ambrelot")
    fenetre_x = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Ambrelot"],
                               capture_output=True, text=True, timeout=20, check=True).stdout.split()[0]
    xdotool("windowminimize", "--sync", fenetre_x)
    attendre("fenêtre réduite", lambda: etat(fenetre_x) == "cachée")
    seconde = subprocess.run([PROGRAMME], env=env, timeout=20)
    if seconde.returncode != 0:
        echec("seconde copie : code %d" % seconde.returncode)

    def devant():
        active = subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True,
                                timeout=20).stdout.strip()
        return active == fenetre_x and etat(fenetre_x) == "visible"

    attendre("fenêtre ramenée au premier plan et active", devant)
    textes = [o.name for o in objets(fenetre("Ambrelot")) if o.getRoleName() == "label"]
    if "9,6" not in textes:
        echec("les comptes de la première copie ont changé : %s" % textes)


def quitter(programme):
    activer("Ambrelot")
    xdotool("key", "ctrl+q")
    try:
        programme.wait(timeout=10)
    except subprocess.TimeoutExpired:
        programme.kill()
        echec("Ctrl+Q n'a pas fermé Ambrelot")


def main():
    mode = sys.argv[1]
    livre_avant = octets(LIVRE)
    partage = os.environ["PARTAGE"]
    partage_avant = sorted(os.listdir(partage))
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", TMPDIR=partage)
    gestionnaire = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    attendre("gestionnaire de fenêtres", lambda: "window id" in subprocess.run(
        ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True, text=True, timeout=20).stdout)
    programme = subprocess.Popen([PROGRAMME], env=env)
    try:
        if mode == "premier":
            if os.path.exists(DOSSIER_COPIE):
                echec("le compte a déjà un dossier de réglages")
            prix("3,47 €")
            dialogue, legende = legende_tarif()
            if not legende.endswith("(Mise à jour le %s)" % tampon(LIVRE)):
                echec("légende « %s » : ce n'est pas le tampon du fichier livré" % legende)
            champ = next(o for o in objets(dialogue)
                         if o.getRoleName() == "text" and o.name == "Poids jusqu'à 20 Grs")
            champ.queryEditableText().setTextContents("0,99")
            activer("Tarification Normale")
            xdotool("key", "alt+e")
            attendre("copie de l'utilisateur", lambda: os.path.exists(COPIE))
            attendre("fermeture du tarif", lambda: fenetre("Tarification Normale") is None)
            nouveau = tampon(COPIE)
            attendu = livre_avant.replace(b"TarifN20Gr=3,47\r\n", b"TarifN20Gr=0,99\r\n").replace(
                ("MiseAJour=%s\r\n" % tampon(LIVRE)).encode("cp1252"),
                ("MiseAJour=%s\r\n" % nouveau).encode("cp1252"))
            if octets(COPIE) != attendu:
                echec("la copie n'est pas le fichier livré avec la sauvegarde appliquée")
            if sorted(os.listdir(DOSSIER_COPIE)) != ["TarifNormal.ini"]:
                echec("d'autres fichiers que la copie : %s" % os.listdir(DOSSIER_COPIE))
        elif mode == "suivant":
            prix("0,99 €")
            premier_plan(env)
            dialogue, legende = legende_tarif()
            if not legende.endswith("(Mise à jour le %s)" % tampon(COPIE)):
                echec("légende « %s » : ce n'est pas le tampon de la copie" % legende)
            xdotool("key", "Escape")
            attendre("fermeture du tarif", lambda: fenetre("Tarification Normale") is None)
        elif mode == "autre":
            prix("3,47 €")
            if os.path.exists(DOSSIER_COPIE):
                echec("le second compte a un dossier de réglages")
        else:
            echec("mode inconnu : " + mode)
        quitter(programme)
    finally:
        if programme.poll() is None:
            programme.kill()
        gestionnaire.kill()
    if octets(LIVRE) != livre_avant:
        echec("le fichier livré a changé")
    if sorted(os.listdir(partage)) != partage_avant:
        echec("le programme a laissé des fichiers dans le dossier temporaire partagé : %s"
              % sorted(set(os.listdir(partage)) - set(partage_avant)))
    print("compte %s : conforme" % mode)


main()
