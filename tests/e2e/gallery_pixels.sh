# Pixel checks for the gallery scenarios: a strip of the screen compared with the same
# strip of a skin picture (or of another screenshot). Sourced after lib.sh.

# The strip of an image as a flat PNG (no alpha), for comparing.
strip_of() { # image, x, y, width, height, output
  convert "$1" -background black -alpha remove -alpha off -crop "${4}x${5}+${2}+${3}" +repage "$6"
}

# Number of pixels that differ by more than a small tolerance.
strip_difference() { # image-a, xa, ya, image-b, xb, yb, width, height
  local a="$E2E_TMP/strip-a.png" b="$E2E_TMP/strip-b.png" n
  strip_of "$1" "$2" "$3" "$7" "$8" "$a"
  strip_of "$4" "$5" "$6" "$7" "$8" "$b"
  n=$(compare -metric AE -fuzz 1% "$a" "$b" null: 2>&1 | awk '{print int($1)}')
  echo "${n:-999999}"
}

# The strip matches when at most 2% of its pixels differ.
strip_matches() { # same arguments as strip_difference
  local n; n=$(strip_difference "$@")
  [ "$n" -le $(( $7 * $8 / 50 )) ]
}

# A control's left end (12 pixels wide, its whole height, border included and clear of the
# centred caption) on the screen against the same place in a full picture of the window at
# (0, 0). Faces differ only slightly, so the tolerance is small: the control copies its
# face pixel for pixel.
control_shows() { # screenshot, picture, left, top, height
  strip_matches "$1" "$3" "$4" "$2" "$3" "$4" 12 "$5"
}

not() { ! "$@"; }
