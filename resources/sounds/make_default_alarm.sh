#!/bin/sh
# Generates default_alarm.wav, the sound played when an alarm names no sound file or one that cannot be
# played: a soft rising three-note chime, 16-bit PCM mono, about 1.6 seconds. Needs sox.
# The generated file is committed; run this only to change the sound.
set -eu
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One bell-like note: a fundamental with a quieter octave, a quick attack and a long fading tail.
note() { # name frequency
    sox -n -r 22050 -b 16 -c 1 "$work/$1.wav" synth 1.1 sine "$2" sine "$(($2 * 2))" remix 1,2 \
        fade q 0.01 1.1 1.0 vol 0.45
}
note first 659   # E5
note second 784  # G5
note third 1047  # C6

sox -m "$work/first.wav" \
    "|sox $work/second.wav -p pad 0.22" \
    "|sox $work/third.wav -p pad 0.44" \
    -b 16 default_alarm.wav norm -4 fade 0 1.54 0.05
