# Writes a pseudo-translation of a .ts file: every text becomes its own English
# in brackets, so that a window shown with it marks each text that went through
# a translation, and leaves bare any that did not.
#   cmake -DIN=velmora_fr.ts -DOUT=velmora_pseudo.ts -P PseudoTranslation.cmake
file(READ "${IN}" ts)
# Texts hold no "<" (the .ts escapes it), so a message is its source, any
# comments, then the translation.
string(REGEX REPLACE
       "<source>([^<]*)</source>([ \t\r\n]*((<comment>|<extracomment>)[^<]*</[a-z]*comment>[ \t\r\n]*)*)<translation[^>]*>[^<]*</translation>"
       "<source>\\1</source>\\2<translation>[\\1]</translation>" ts "${ts}")
file(WRITE "${OUT}" "${ts}")
