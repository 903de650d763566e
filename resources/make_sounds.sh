#!/usr/bin/env bash
# Makes the program's sounds into resources/sounds/: three alarm signals
# (sox) and the two spoken helps (espeak-ng, Italian voice). The results are
# committed, so building never needs these tools.
# All are 16-bit PCM mono at 22050 Hz, which QSoundEffect plays everywhere.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="$here/sounds"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

RATE=22050
FMT=(-r "$RATE" -c 1 -b 16 -e signed-integer)

# sox -n OUT synth... with the common format; -D: no dither, so reruns match.
tone() { local dst=$1; shift; sox -D -n "${FMT[@]}" "$dst" "$@"; }
silence() { tone "$2" trim 0 "$1"; }

# tel.wav, about 3 s: a telephone's double ring (two close tones buzzing at
# 20 Hz), twice.
tone "$work/ring.wav" synth 0.4 sine 440 sine 480 remix 1,2 tremolo 20 90 \
  fade q 0.01 0.4 0.02 gain -n -4
silence 0.2 "$work/gap_s.wav"
silence 1.0 "$work/gap_l.wav"
sox -D "$work/ring.wav" "$work/gap_s.wav" "$work/ring.wav" "$work/gap_l.wav" \
  "$work/ring.wav" "$work/gap_s.wav" "$work/ring.wav" "$work/gap_s.wav" \
  "${FMT[@]}" "$out/tel.wav"

# appu.wav, about 2 s: a two-tone door chime, E5 then C5, each ringing out.
tone "$work/ding.wav" synth 1.4 sine 659.25 sine 1318.5 sine 1977.8 remix 1v0.7,2v0.2,3v0.1 \
  fade l 0.005 1.4 1.35 gain -n -5
tone "$work/dong.wav" synth 1.4 sine 523.25 sine 1046.5 sine 1569.8 remix 1v0.7,2v0.2,3v0.1 \
  fade l 0.005 1.4 1.35 gain -n -5
sox -D -m "$work/ding.wav" "|sox -D $work/dong.wav -p pad 0.6" "${FMT[@]}" "$work/chime.wav"
sox -D "$work/chime.wav" "${FMT[@]}" "$out/appu.wav" trim 0 2.0 gain -n -3

# imp.wav, about 3 s: an insistent watch-alarm beep, four quick beeps and a
# pause, four times.
tone "$work/beep.wav" synth 0.09 square 2000 gain -10 lowpass 5000 fade h 0.005 0.09 0.01 gain -n -8
silence 0.06 "$work/b_gap.wav"
silence 0.15 "$work/b_rest.wav"
sox -D "$work/beep.wav" "$work/b_gap.wav" "$work/beep.wav" "$work/b_gap.wav" \
  "$work/beep.wav" "$work/b_gap.wav" "$work/beep.wav" "$work/b_rest.wav" \
  "${FMT[@]}" "$work/burst.wav"
sox -D "$work/burst.wav" "$work/burst.wav" "$work/burst.wav" "$work/burst.wav" \
  "${FMT[@]}" "$out/imp.wav"

# Spoken helps: the text of the help message of each button, with the
# abbreviations and symbols written out the way they are to be heard.
speak() { # OUT TEXT
  espeak-ng -v it -s 170 -w "$work/voice.wav" "$2"
  # Cut the silences at both ends and shorten the pauses inside to 0.25 s:
  # the file stays small and the help stays short.
  sox -D "$work/voice.wav" "${FMT[@]}" "$1" \
    silence -l 1 0.05 0.5% -1 0.25 0.5% reverse silence 1 0.05 0.5% reverse gain -n -2
}

speak "$out/calend.wav" \
  "Scegliere la data dal calendario, poi fare clic in una casella Data. \
Oppure inserire manualmente la data, ma esclusivamente nel formato breve, \
ad esempio: zero due, barra, zero otto, barra, zero quattro."

speak "$out/diffusori.wav" \
  "Selezionare il tipo di allarme in modo da ricevere un segnale acustico \
appropriato, il quale entrerà in funzione allo scadere dei minuti selezionati \
dalla casella apposita, per un massimo di 480 minuti, cioè 8 ore. \
Questo strumento resta in funzione solo e sempre dopo aver premuto il pulsante OK. \
Naturalmente, alzare il volume dei diffusori audio!"
