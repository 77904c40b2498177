# The pictures drawn by make_artwork.py, by file name. Included by the folders
# that build or embed them.
set(LUMIVRA_ARTWORK_DIR ${CMAKE_BINARY_DIR}/artwork)
set(LUMIVRA_PAGE_PICTURES
  HLEFT_GIF=hleft.gif HMIDDLE_GIF=hmiddle.gif HRIGHT_GIF=hright.gif
  C_GIF=c.gif TR_GIF=tr.gif SP_GIF=sp.gif BULLET_GIF=bullet.gif
  LOGOMAIN_GIF=logomain.gif ONLINE_GIF=online.gif VIEWONLINE_GIF=viewonline.gif
  SEARCHVIEW_GIF=searchview.jpg SEARCHREPORT_GIF=searchreport.jpg
  LUMIVRAIMAGE_GIF=lumivraimage.jpg)
set(LUMIVRA_WINDOW_ARTWORK
  tree0 tree1 tree2
  tool_home tool_back tool_forward tool_search tool_info tool_goto tool_print tool_display tool_help
  menu0 menu1 menu2 menu3 menu4 menu5 menu6 menu7 menu8 menu9 menu10 menu11 menu12
  texture logo magnifier)
# Tree, toolbar and menu glyphs at twice the size, for screens of device pixel ratio 2.
foreach(name ${LUMIVRA_WINDOW_ARTWORK})
  if(name MATCHES "^(tree|tool_|menu)")
    list(APPEND LUMIVRA_WINDOW_ARTWORK ${name}@2x)
  endif()
endforeach()
# The four themes: each role at its own size and again at twice the size.
foreach(theme default sky rose forest)
  foreach(role wallpaper border smborder buttons)
    list(APPEND LUMIVRA_WINDOW_ARTWORK ${theme}_${role} ${theme}_${role}@2x)
  endforeach()
endforeach()
# Window artwork kept as JPEG: the splash screen's title and maker's logo.
set(LUMIVRA_WINDOW_JPEGS splash_title splash_logo)

set(LUMIVRA_ARTWORK_FILES)
foreach(entry ${LUMIVRA_PAGE_PICTURES})
  string(REGEX REPLACE "^[^=]*=" "" file ${entry})
  list(APPEND LUMIVRA_ARTWORK_FILES ${LUMIVRA_ARTWORK_DIR}/${file})
endforeach()
foreach(name ${LUMIVRA_WINDOW_ARTWORK})
  list(APPEND LUMIVRA_ARTWORK_FILES ${LUMIVRA_ARTWORK_DIR}/${name}.png)
endforeach()
foreach(name ${LUMIVRA_WINDOW_JPEGS})
  list(APPEND LUMIVRA_ARTWORK_FILES ${LUMIVRA_ARTWORK_DIR}/${name}.jpg)
endforeach()
