# Fails when a file of the core includes a Qt header, or a header of a layer
# above its own; or when a file of the windows (src/ui, src/main.cpp) includes
# a part of the core that is not theirs to call. The core builds and tests
# without a window system, and each layer uses only the ones below it:
#
#   ui -> shell -> games -> engine -> board, words, scores -> state, platform
#
# (scores also reads the play window's seats and table, in board.) The windows
# mirror the models of shell, board and scores and forward clicks to the
# shell, which alone knows the games: they never include games/ or engine/.
# Run with -DSOURCE_DIR=<the full path of src>.
cmake_policy(SET CMP0057 NEW)
set(allowed_platform platform)
set(allowed_state state platform)
set(allowed_words words state platform)
set(allowed_board board state platform)
set(allowed_scores scores board state platform)
set(allowed_engine engine board words scores state platform)
set(allowed_games games engine board words scores state platform)
set(allowed_shell shell games engine board words scores state platform)
set(allowed_ui shell board scores state platform)

file(GLOB_RECURSE files ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(problems "")
foreach(f ${files})
  file(RELATIVE_PATH rel ${SOURCE_DIR} ${f})
  if(rel MATCHES "^core/([^/]+)/")
    set(layer ${CMAKE_MATCH_1})
  elseif(rel MATCHES "^core/")
    set(layer "")
  else()
    set(layer ui)
  endif()
  if(NOT DEFINED allowed_${layer})
    list(APPEND problems "${rel}: not in any layer's folder")
    continue()
  endif()
  file(STRINGS ${f} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${includes})
    if(NOT layer STREQUAL "ui" AND line MATCHES "include[ \t]*[<\"](Q[A-Za-z]|qt)")
      list(APPEND problems "${rel}: includes a Qt header (${line})")
    elseif(line MATCHES "include[ \t]*\"([A-Za-z_]+)/")
      set(target ${CMAKE_MATCH_1})
      if(NOT target IN_LIST allowed_${layer})
        list(APPEND problems "${rel}: ${layer} may not include ${target}/ (${line})")
      endif()
    endif()
  endforeach()
endforeach()
if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "The layers are crossed:\n  ${text}")
endif()
