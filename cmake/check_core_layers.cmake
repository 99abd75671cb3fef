# Fails when a file of the core includes a Qt header, or a header of a layer
# above its own. The core builds and tests without a window system, and each
# layer uses only the ones below it:
#
#   shell -> games -> engine -> board, words, scores -> state, platform
#
# (scores also reads the play window's seats and table, in board.)
# Run with -DCORE_DIR=<the full path of src/core>.
cmake_policy(SET CMP0057 NEW)
set(allowed_platform platform)
set(allowed_state state platform)
set(allowed_words words state platform)
set(allowed_board board state platform)
set(allowed_scores scores board state platform)
set(allowed_engine engine board words scores state platform)
set(allowed_games games engine board words scores state platform)
set(allowed_shell shell games engine board words scores state platform)

file(GLOB_RECURSE files ${CORE_DIR}/*.h ${CORE_DIR}/*.cpp)
set(problems "")
foreach(f ${files})
  file(RELATIVE_PATH rel ${CORE_DIR} ${f})
  string(REGEX MATCH "^[^/]+" layer "${rel}")
  if(NOT DEFINED allowed_${layer})
    list(APPEND problems "${rel}: not in any layer's folder")
    continue()
  endif()
  file(STRINGS ${f} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${includes})
    if(line MATCHES "include[ \t]*[<\"](Q[A-Za-z]|qt)")
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
  message(FATAL_ERROR "The core's layers are crossed:\n  ${text}")
endif()
