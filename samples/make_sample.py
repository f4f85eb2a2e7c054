#!/usr/bin/env python3
"""Writes the sample Study List french-vocabulary.qlx: French words with their
English meaning and an example sentence, some of them already studied.

Usage: make_sample.py [OUTPUT]   (default: french-vocabulary.qlx beside this script)
"""
import os
import struct
import sys

FILE_MAGIC = 0xCAFE0001
BOOL_TRUE, BOOL_FALSE = 0xBABEFAB7, 0xBADDAD12
STRING_MARK = 0xC5

ITEM_TYPE = "French"
FIELDS = ["English", "Example"]

# French, English, example, comment, times asked, correct answers
WORDS = [
    ("le chat", "the cat", "Le chat dort sur le canap\xe9.", "", 4, 3),
    ("le chien", "the dog", "Le chien aboie la nuit.", "", 4, 4),
    ("la maison", "the house", "Notre maison est petite.", "", 3, 1),
    ("le livre", "the book", "Je lis un livre.", "", 2, 2),
    ("la pomme", "the apple", "Elle mange une pomme verte.", "", 5, 2),
    ("l'eau", "the water", "Un verre d'eau, s'il vous pla\xeet.", "feminine", 1, 1),
    ("le pain", "the bread", "Le pain est encore chaud.", "", 0, 0),
    ("la voiture", "the car", "La voiture est en panne.", "", 2, 0),
    ("le jardin", "the garden", "Les fleurs du jardin sont belles.", "", 0, 0),
    ("la fen\xeatre", "the window", "Ouvre la fen\xeatre, il fait chaud.", "", 1, 0),
    ("la porte", "the door", "Ferme la porte derri\xe8re toi.", "", 0, 0),
    ("l'arbre", "the tree", "Un oiseau chante dans l'arbre.", "masculine", 0, 0),
    ("le soleil", "the sun", "Le soleil se l\xe8ve \xe0 l'est.", "", 3, 3),
    ("la lune", "the moon", "La lune est pleine ce soir.", "", 0, 0),
    ("la mer", "the sea", "Nous nageons dans la mer.", "not la m\xe8re", 2, 1),
    ("la montagne", "the mountain", "Ils montent la montagne \xe0 pied.", "", 0, 0),
    ("le fromage", "the cheese", "Ce fromage sent tr\xe8s fort.", "", 1, 1),
    ("le march\xe9", "the market", "Je vais au march\xe9 le samedi.", "", 0, 0),
    ("l'\xe9cole", "the school", "Les enfants vont \xe0 l'\xe9cole.", "feminine", 0, 0),
    ("le travail", "the work", "Il part au travail \xe0 huit heures.", "", 0, 0),
    ("la ville", "the town", "La ville dort encore.", "", 0, 0),
    ("le village", "the village", "Mon village a une seule rue.", "", 0, 0),
    ("le pont", "the bridge", "Le pont traverse la rivi\xe8re.", "", 0, 0),
    ("la rivi\xe8re", "the river", "La rivi\xe8re d\xe9borde au printemps.", "", 0, 0),
    ("manger", "to eat", "Nous mangeons \xe0 midi.", "verb", 2, 2),
    ("boire", "to drink", "Il boit du caf\xe9 noir.", "verb, irregular", 2, 1),
    ("dormir", "to sleep", "Le b\xe9b\xe9 dort bien.", "verb, irregular", 0, 0),
    ("parler", "to speak", "Tu parles trop vite.", "verb", 1, 1),
    ("\xe9crire", "to write", "J'\xe9cris une lettre \xe0 ma s\u0153ur.", "verb, irregular", 0, 0),
    ("lire", "to read", "Elle lit le journal.", "verb, irregular", 0, 0),
    ("courir", "to run", "Je cours tous les matins.", "verb, irregular", 0, 0),
    ("chanter", "to sing", "Ils chantent sous la pluie.", "verb", 0, 0),
    ("heureux", "happy", "Je suis heureux de te voir.", "adjective", 3, 2),
    ("triste", "sad", "Ce film est triste.", "adjective", 0, 0),
    ("grand", "tall, big", "Mon fr\xe8re est tr\xe8s grand.", "adjective", 0, 0),
    ("petit", "small", "Un petit caf\xe9, s'il vous pla\xeet.", "adjective", 1, 0),
    ("rapide", "fast", "Le train est rapide.", "adjective", 0, 0),
    ("toujours", "always", "Il est toujours en retard.", "adverb", 0, 0),
    ("jamais", "never", "Je ne mens jamais.", "adverb", 0, 0),
    ("aujourd'hui", "today", "Aujourd'hui il pleut.", "adverb", 0, 0),
]


def int32(value):
    return struct.pack("<i", value)


def boolean(value):
    return struct.pack("<I", BOOL_TRUE if value else BOOL_FALSE)


def string(text):
    # Texts are stored in the Windows ANSI code page (1252).
    data = text.encode("cp1252")
    return bytes([STRING_MARK]) + struct.pack("<I", len(data)) + data


def study_list():
    out = bytearray(struct.pack("<I", FILE_MAGIC))
    out += string(ITEM_TYPE) + int32(len(FIELDS))
    for name in FIELDS:
        out += string(name)
    out += int32(len(WORDS))
    for number, (french, english, example, comment, asked, correct) in enumerate(WORDS, start=1):
        assert correct <= asked
        out += int32(number) + string(french) + string(english) + string(example)
        out += string(comment) + int32(asked) + int32(correct)
    # Study settings: no time-out, no shuffle, not continuous, not case
    # sensitive, 3 choices, from the item type to every other field.
    out += int32(0) + boolean(False) + boolean(False) + boolean(False)
    out += int32(3) + int32(0) + int32(3) + int32(0) + int32(0)
    return bytes(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "french-vocabulary.qlx")
    with open(path, "wb") as f:
        f.write(study_list())
    print(f"{path}: {len(WORDS)} items")


if __name__ == "__main__":
    main()
