#!/usr/bin/env python3
"""Writes a small, deterministic Durirezo Orvanne package folder.

    make_demo_package.py OUT_DIR [--languages eng,ita,...]

The folder holds what tolmarin.exe expects beside itself: the eleven content
folders with a few sample files each, the patch "mun_ptc.bin" and the
language files. Every byte depends only on this script, so two runs give
identical folders and tests can compare copies byte for byte.

Nothing is written outside OUT_DIR, and nothing in it is deleted. OUT_DIR
must be new, empty, or an earlier package folder; the files of known names
are replaced whole (written beside and renamed), never half-way.

Each part of the package has its own writer (content folders, patch,
language files), so that later parts (artwork, a demo simulator) are one
more function and one more option.
"""

import argparse
import hashlib
import io
import os
import sys
import wave

CONTENT_FOLDERS = ("WINTER", "SPRING", "SUMMER", "FALL", "SCENERY", "TEXTURE",
                   "MOD", "VID", "ADV", "WAV_WPP", "SC_BGL")
SEASON_FOLDERS = ("WINTER", "SPRING", "SUMMER", "FALL")
LANGUAGE_CODES = ("eng", "ita", "fre", "deu", "dut", "spa", "por")
PATCH_NAME = "mun_ptc.bin"
# Four whole blocks of 1024 bytes and a remainder: the patch copy takes both paths.
PATCH_SIZE = 4 * 1024 + 904

# The ground textures: every season carries the same names so that a season
# change overwrites the installed ones. SPRING has one more, as a real
# package might; its copy then counts past 100 per cent.
GROUND_TEXTURES = ("ORVGRD01.R8", "ORVGRD02.R8", "ORVGRD03.R8")
SAMPLE_FILES = {
    "WINTER": GROUND_TEXTURES,
    "SPRING": GROUND_TEXTURES + ("ORVFLD04.R8",),
    "SUMMER": GROUND_TEXTURES,
    "FALL": GROUND_TEXTURES,
    "SCENERY": ("ORVANNE.BGL", "ORVAPT.BGL"),
    "TEXTURE": ("ORVBLD01.R8", "ORVBLD02.R8", "ORVRWY.R8"),
    "MOD": ("ORVANNE1.STN", "ORVANNE2.STN"),
    "VID": ("ORVAPPR.VID", "ORVTOUR.VID"),
    "ADV": ("ORVTOUR.APL",),
    "WAV_WPP": ("ORVTWR01.WAV", "ORVTWR02.WAV"),
    "SC_BGL": ("ORVAREA.BGL",),
}

# Message texts by language. The numbers are those the program shows; where
# a text is followed by more (a folder, a season name, " ?"), it is worded
# to read well with it. Season names: 10 winter, 7 spring, 8 summer, 9 fall.
LANGUAGES = {
    "eng": {
        "name": "English",
        "remarks": ("; Durirezo Orvanne - English texts",
                    "; Lines: <number> <text>. Keep the numbers; change the wording freely."),
        "messages": {
            1: "Durirezo Orvanne - Credits",
            4: "Flight Simulator not found",
            5: "Flight Simulator could not be found:",
            6: "Durirezo Orvanne - Scenery Launcher",
            7: "Spring",
            8: "Summer",
            9: "Autumn",
            10: "Winter",
            12: "There is not enough free disk space to install in",
            13: "Click the red arrows to choose another drive.",
            14: "Install Durirezo Orvanne",
            15: "in the folder",
            16: "MB of disk space will be used",
            17: "Durirezo Orvanne has been installed in",
            18: "Season installed",
            19: "The Flight Simulator folder is unknown. The installation cannot go on.",
            20: "Choose where to install Durirezo Orvanne",
            21: "Not enough disk space - click to choose another drive",
            22: "Season:",
            24: "Change of season",
            25: "Switch the scenery to",
            26: "The textures of the new season have been installed.",
            27: "Uninstall Durirezo Orvanne",
            28: "Start Flight Simulator",
            29: "About Durirezo Orvanne",
            30: "Install Durirezo Orvanne in Flight Simulator",
            31: "Copying",
            32: "Durirezo Orvanne has been removed from your computer.",
        },
    },
    "ita": {
        "name": "Italiano",
        "remarks": ("; Durirezo Orvanne - testi in italiano",),
        "messages": {
            1: "Durirezo Orvanne - Riconoscimenti",
            4: "Flight Simulator non trovato",
            5: "Impossibile trovare Flight Simulator:",
            6: "Durirezo Orvanne - Gestione scenario",
            7: "Primavera",
            8: "Estate",
            9: "Autunno",
            10: "Inverno",
            12: "Spazio libero su disco insufficiente per installare in",
            13: "Fare clic sulle frecce rosse per scegliere un'altra unità.",
            14: "Installare Durirezo Orvanne",
            15: "nella cartella",
            16: "MB di spazio su disco richiesti",
            17: "Durirezo Orvanne è stato installato in",
            18: "Stagione installata",
            19: "La cartella di Flight Simulator è sconosciuta. L'installazione non può proseguire.",
            20: "Scegliere la cartella in cui installare Durirezo Orvanne",
            21: "Spazio su disco insufficiente - fare clic per scegliere un'altra unità",
            22: "Stagione:",
            24: "Cambio di stagione",
            25: "Passare lo scenario alla stagione",
            26: "Le texture della nuova stagione sono state installate.",
            27: "Disinstallare Durirezo Orvanne",
            28: "Avviare Flight Simulator",
            29: "Informazioni su Durirezo Orvanne",
            30: "Installare Durirezo Orvanne in Flight Simulator",
            31: "Copia in corso:",
            32: "Durirezo Orvanne è stato rimosso dal computer.",
        },
    },
    "fre": {
        "name": "Français",
        "remarks": ("; Durirezo Orvanne - textes en français",),
        "messages": {
            1: "Durirezo Orvanne - Crédits",
            4: "Flight Simulator introuvable",
            5: "Impossible de trouver Flight Simulator :",
            6: "Durirezo Orvanne - Lanceur du décor",
            7: "Printemps",
            8: "Été",
            9: "Automne",
            10: "Hiver",
            12: "Espace disque insuffisant pour installer dans",
            13: "Cliquez sur les flèches rouges pour choisir un autre lecteur.",
            14: "Installer Durirezo Orvanne",
            15: "dans le dossier",
            16: "Mo d'espace disque nécessaires",
            17: "Durirezo Orvanne a été installé dans",
            18: "Saison installée",
            19: "Le dossier de Flight Simulator est inconnu. L'installation ne peut pas continuer.",
            20: "Choisissez le dossier d'installation de Durirezo Orvanne",
            21: "Espace disque insuffisant - cliquez pour choisir un autre lecteur",
            22: "Saison :",
            24: "Changement de saison",
            25: "Passer le décor à la saison",
            26: "Les textures de la nouvelle saison ont été installées.",
            27: "Désinstaller Durirezo Orvanne",
            28: "Démarrer Flight Simulator",
            29: "À propos de Durirezo Orvanne",
            30: "Installer Durirezo Orvanne dans Flight Simulator",
            31: "Copie en cours :",
            32: "Durirezo Orvanne a été supprimé de votre ordinateur.",
        },
    },
    "deu": {
        "name": "Deutsch",
        "remarks": ("; Durirezo Orvanne - deutsche Texte",),
        "messages": {
            1: "Durirezo Orvanne - Mitwirkende",
            4: "Flight Simulator nicht gefunden",
            5: "Flight Simulator wurde nicht gefunden:",
            6: "Durirezo Orvanne - Szenerie-Starter",
            7: "Frühling",
            8: "Sommer",
            9: "Herbst",
            10: "Winter",
            12: "Nicht genügend freier Speicherplatz für die Installation in",
            13: "Klicken Sie auf die roten Pfeile, um ein anderes Laufwerk zu wählen.",
            14: "Durirezo Orvanne installieren",
            15: "- Zielordner:",
            16: "MB Speicherplatz werden benötigt",
            17: "Durirezo Orvanne wurde installiert in",
            18: "Installierte Jahreszeit",
            19: "Der Ordner des Flight Simulator ist unbekannt. Die Installation kann nicht fortgesetzt werden.",
            20: "Wählen Sie den Zielordner für Durirezo Orvanne",
            21: "Nicht genügend Speicherplatz - klicken, um ein anderes Laufwerk zu wählen",
            22: "Jahreszeit:",
            24: "Wechsel der Jahreszeit",
            25: "Szenerie umstellen auf",
            26: "Die Texturen der neuen Jahreszeit wurden installiert.",
            27: "Durirezo Orvanne deinstallieren",
            28: "Flight Simulator starten",
            29: "Über Durirezo Orvanne",
            30: "Durirezo Orvanne in den Flight Simulator installieren",
            31: "Kopiere",
            32: "Durirezo Orvanne wurde von Ihrem Computer entfernt.",
        },
    },
    "dut": {
        "name": "Nederlands",
        "remarks": ("; Durirezo Orvanne - Nederlandse teksten",),
        "messages": {
            1: "Durirezo Orvanne - Medewerkers",
            4: "Flight Simulator niet gevonden",
            5: "Flight Simulator is niet gevonden:",
            6: "Durirezo Orvanne - Scenery-starter",
            7: "Lente",
            8: "Zomer",
            9: "Herfst",
            10: "Winter",
            12: "Onvoldoende vrije schijfruimte om te installeren in",
            13: "Klik op de rode pijlen om een ander station te kiezen.",
            14: "Durirezo Orvanne installeren",
            15: "in de map",
            16: "MB schijfruimte nodig",
            17: "Durirezo Orvanne is geïnstalleerd in",
            18: "Geïnstalleerd seizoen",
            19: "De map van Flight Simulator is onbekend. De installatie kan niet doorgaan.",
            20: "Kies de map waarin Durirezo Orvanne wordt geïnstalleerd",
            21: "Onvoldoende schijfruimte - klik om een ander station te kiezen",
            22: "Seizoen:",
            24: "Seizoen wijzigen",
            25: "De scenery omzetten naar",
            26: "De texturen van het nieuwe seizoen zijn geïnstalleerd.",
            27: "Durirezo Orvanne verwijderen",
            28: "Flight Simulator starten",
            29: "Over Durirezo Orvanne",
            30: "Durirezo Orvanne in Flight Simulator installeren",
            31: "Bezig met kopiëren:",
            32: "Durirezo Orvanne is van uw computer verwijderd.",
        },
    },
    "spa": {
        "name": "Español",
        "remarks": ("; Durirezo Orvanne - textos en español",),
        "messages": {
            1: "Durirezo Orvanne - Créditos",
            4: "No se encontró Flight Simulator",
            5: "No se pudo encontrar Flight Simulator:",
            6: "Durirezo Orvanne - Lanzador del escenario",
            7: "Primavera",
            8: "Verano",
            9: "Otoño",
            10: "Invierno",
            12: "No hay espacio libre suficiente en el disco para instalar en",
            13: "Haga clic en las flechas rojas para elegir otra unidad.",
            14: "Instalar Durirezo Orvanne",
            15: "en la carpeta",
            16: "MB de espacio en disco necesarios",
            17: "Durirezo Orvanne se ha instalado en",
            18: "Estación instalada",
            19: "Se desconoce la carpeta de Flight Simulator. La instalación no puede continuar.",
            20: "Elija la carpeta donde instalar Durirezo Orvanne",
            21: "Espacio en disco insuficiente - haga clic para elegir otra unidad",
            22: "Estación:",
            24: "Cambio de estación",
            25: "¿Cambiar el escenario a",
            26: "Se han instalado las texturas de la nueva estación.",
            27: "Desinstalar Durirezo Orvanne",
            28: "Iniciar Flight Simulator",
            29: "Acerca de Durirezo Orvanne",
            30: "Instalar Durirezo Orvanne en Flight Simulator",
            31: "Copiando",
            32: "Durirezo Orvanne se ha eliminado de su equipo.",
        },
    },
    "por": {
        "name": "Português",
        "remarks": ("; Durirezo Orvanne - textos em português",),
        "messages": {
            1: "Durirezo Orvanne - Créditos",
            4: "Flight Simulator não encontrado",
            5: "Não foi possível encontrar o Flight Simulator:",
            6: "Durirezo Orvanne - Iniciador do cenário",
            7: "Primavera",
            8: "Verão",
            9: "Outono",
            10: "Inverno",
            12: "Não há espaço livre suficiente no disco para instalar em",
            13: "Clique nas setas vermelhas para escolher outra unidade.",
            14: "Instalar Durirezo Orvanne",
            15: "na pasta",
            16: "MB de espaço em disco necessários",
            17: "Durirezo Orvanne foi instalado em",
            18: "Estação instalada",
            19: "A pasta do Flight Simulator é desconhecida. A instalação não pode continuar.",
            20: "Escolha a pasta onde instalar Durirezo Orvanne",
            21: "Espaço em disco insuficiente - clique para escolher outra unidade",
            22: "Estação:",
            24: "Mudança de estação",
            25: "Mudar o cenário para",
            26: "As texturas da nova estação foram instaladas.",
            27: "Desinstalar Durirezo Orvanne",
            28: "Iniciar o Flight Simulator",
            29: "Sobre Durirezo Orvanne",
            30: "Instalar Durirezo Orvanne no Flight Simulator",
            31: "Copiando",
            32: "Durirezo Orvanne foi removido do seu computador.",
        },
    },
}


class PackageError(Exception):
    """A folder that cannot be written as asked; the text says why."""


def deterministic_bytes(seed, size):
    """size bytes that depend only on seed (SHA-256 in counter mode)."""
    out = bytearray()
    counter = 0
    while len(out) < size:
        out += hashlib.sha256(f"{seed}/{counter}".encode("ascii")).digest()
        counter += 1
    return bytes(out[:size])


def sample_size(seed, low=300, high=4000):
    digest = hashlib.sha256(seed.encode("ascii")).digest()
    return low + int.from_bytes(digest[:4], "little") % (high - low)


def write_file(path, data):
    """Writes data to path whole: into a temporary name beside it, then renamed."""
    if os.path.isdir(path):
        raise PackageError(f"{path} is a folder; a file of that name was to be written")
    temporary = os.path.join(os.path.dirname(path), "." + os.path.basename(path) + ".tmp")
    with open(temporary, "wb") as f:
        f.write(data)
    os.replace(temporary, path)


def make_folder(path):
    if os.path.exists(path) and not os.path.isdir(path):
        raise PackageError(f"{path} exists and is not a folder")
    os.makedirs(path, exist_ok=True)


def wav_bytes(seed, frames):
    """A short, valid 8-bit mono WAV whose samples depend only on seed."""
    buffer = io.BytesIO()
    with wave.open(buffer, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(11025)
        w.writeframes(deterministic_bytes(seed, frames))
    return buffer.getvalue()


def sample_file_bytes(folder, name):
    seed = f"{folder}/{name}"
    if name.upper().endswith(".WAV"):
        return wav_bytes(seed, sample_size(seed, 800, 3000))
    header = f"Durirezo Orvanne demo file {folder}\\{name}\r\n".encode("ascii")
    return header + deterministic_bytes(seed, sample_size(seed))


def write_content_folders(out_dir):
    for folder in CONTENT_FOLDERS:
        make_folder(os.path.join(out_dir, folder))
        for name in SAMPLE_FILES[folder]:
            write_file(os.path.join(out_dir, folder, name), sample_file_bytes(folder, name))


def patch_bytes():
    return deterministic_bytes(PATCH_NAME, PATCH_SIZE)


def write_patch(out_dir):
    write_file(os.path.join(out_dir, PATCH_NAME), patch_bytes())


def language_file_text(code):
    """The language file of one language: name line, remarks, message lines."""
    language = LANGUAGES[code]
    lines = [f"LanguageName = {language['name']}", *language["remarks"], ""]
    lines += [f"{number} {text}" for number, text in sorted(language["messages"].items())]
    return "".join(line + "\r\n" for line in lines)


def write_language_files(out_dir, codes=LANGUAGE_CODES):
    for code in codes:
        data = language_file_text(code).encode("cp1252")
        write_file(os.path.join(out_dir, f"tolmarin.{code}"), data)


def looks_like_package(out_dir):
    names = set(os.listdir(out_dir))
    return not names or PATCH_NAME in names or "WINTER" in names


def make_package(out_dir, languages=LANGUAGE_CODES):
    """Writes the whole package into out_dir (made if missing)."""
    unknown = [code for code in languages if code not in LANGUAGES]
    if unknown:
        raise PackageError(f"unknown language code(s): {', '.join(unknown)}; "
                           f"known: {', '.join(LANGUAGE_CODES)}")
    if os.path.exists(out_dir):
        if not os.path.isdir(out_dir):
            raise PackageError(f"{out_dir} exists and is not a folder")
        if not looks_like_package(out_dir):
            raise PackageError(f"{out_dir} is neither empty nor a package folder; "
                               "choose a new or empty folder")
    make_folder(out_dir)
    write_content_folders(out_dir)
    write_patch(out_dir)
    write_language_files(out_dir, languages)


def main(argv=None):
    parser = argparse.ArgumentParser(description="Write the Durirezo Orvanne demo package folder.")
    parser.add_argument("out_dir", metavar="OUT_DIR", help="the package folder to write")
    parser.add_argument("--languages", default=",".join(LANGUAGE_CODES),
                        help="comma-separated language codes to write (default: all seven)")
    args = parser.parse_args(argv)
    languages = [code for code in args.languages.split(",") if code]
    try:
        make_package(args.out_dir, languages)
    except (PackageError, OSError) as error:
        print(f"make_demo_package: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
