#!/usr/bin/env python3
"""Reshapes the EDICT dictionary into the two dictionary layouts the indexer reads.

Reads EDICT as UTF-8 text on standard input (lines `HEAD [READING] /gloss/gloss/.../`) and
writes two UTF-8 files with CR LF line ends, ready for conversion to Shift-JIS:

  Japanese-English:  HEAD [READING] : gloss●gloss●...
                     sorted by reading (katakana ordered with hiragana), then by head;
  English-Japanese:  ■gloss : HEAD●HEAD●...
                     one entry per distinct English gloss (sense and part-of-speech tags such
                     as "(n) (1)" removed), sorted by the English head without regard to case.

The first line of EDICT, its header, is not an entry and is skipped. Only the standard
library is used.
"""
import re
import sys

LEADING_TAGS = re.compile(r'^(?:\s*(?:\([^()]*\)|\{[^{}]*\}))+\s*')
ENTRY = re.compile(r'^(?P<head>\S+)(?: \[(?P<reading>[^\]]*)\])? /(?P<glosses>.*)/\s*$')


def reading_key(text):
    """Orders katakana with hiragana, as Japanese dictionaries do."""
    return ''.join(chr(ord(c) - 0x60) if 'ァ' <= c <= 'ヶ' else c for c in text)


def english_head(gloss):
    """The English head word of a gloss, or '' when the gloss is only tags."""
    head = LEADING_TAGS.sub('', gloss).strip()
    # " : " separates head from body in the English-Japanese layout; it must not occur in a head.
    while ' : ' in head:
        head = head.replace(' : ', ': ')
    # A head may not begin with what the layout reads as an entry mark.
    if head.startswith(('■', '◆', '●', '* ')):
        head = head[1:].lstrip()
    return head


def main():
    if len(sys.argv) != 3:
        sys.exit('usage: convert_edict.py JAPANESE_ENGLISH_OUT ENGLISH_JAPANESE_OUT < edict.utf8')
    je_path, ej_path = sys.argv[1], sys.argv[2]

    japanese_english = []
    heads_by_gloss = {}
    skipped = 0
    for number, line in enumerate(sys.stdin, 1):
        match = ENTRY.match(line)
        if number == 1 or not match:
            skipped += 1
            continue
        head, reading = match['head'], match['reading']
        glosses = [g.strip() for g in match['glosses'].split('/') if g.strip()]
        if not glosses:
            skipped += 1
            continue
        label = f'{head} [{reading}]' if reading else head
        japanese_english.append(((reading_key(reading or head), head, reading or ''),
                                 f'{label} : {"●".join(glosses)}'))
        for gloss in glosses:
            english = english_head(gloss)
            if english:
                heads = heads_by_gloss.setdefault(english, [])
                if head not in heads:
                    heads.append(head)

    japanese_english.sort(key=lambda entry: entry[0])
    with open(je_path, 'w', encoding='utf-8', newline='\r\n') as out:
        for _, text in japanese_english:
            out.write(text + '\n')

    with open(ej_path, 'w', encoding='utf-8', newline='\r\n') as out:
        for english in sorted(heads_by_gloss, key=lambda g: (g.casefold(), g)):
            out.write(f'■{english} : {"●".join(heads_by_gloss[english])}\n')

    print(f'{len(japanese_english)} Japanese-English entries, {len(heads_by_gloss)} English-Japanese '
          f'entries, {skipped} lines skipped', file=sys.stderr)


if __name__ == '__main__':
    main()
