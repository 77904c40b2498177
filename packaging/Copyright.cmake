# cmake -DHEAD=copyright -DLICENSE=LICENSE.txt -DOUT=file -P Copyright.cmake
# Writes HEAD followed by the licence text as the body of its last License
# field: each line indented by one space, empty lines as " .".
file(READ ${HEAD} head)
file(READ ${LICENSE} text)
string(REGEX REPLACE "[ \t\r]+\n" "\n" text "${text}")
string(REGEX REPLACE "\n\n" "\n.\n" text "${text}")
string(REGEX REPLACE "\n\n" "\n.\n" text "${text}")
string(REGEX REPLACE "\n+$" "" text "${text}")
string(REGEX REPLACE "\n" "\n " text "${text}")
file(WRITE ${OUT} "${head} ${text}\n")
