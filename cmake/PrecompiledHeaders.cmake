# Precompiled headers for the big targets: the Qt and gtest headers take
# about half of each file's compile time. Off by default because a
# precompiled header holds absolute paths, so ccache cannot share its users
# between two checkouts; test.sh switches it on for its own builds.
option(VISTELLO_PCH "Precompile the Qt and gtest headers of the big targets" OFF)

if(VISTELLO_PCH AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  # Without a time stamp in the header, ccache can reuse what was built with it
  # (ccache also needs CCACHE_SLOPPINESS=pch_defines,time_macros, set where it
  # is launched).
  list(APPEND CMAKE_CXX_COMPILE_OPTIONS_CREATE_PCH -Xclang -fno-pch-timestamp)
endif()

set(VISTELLO_PCH_ENGINE
  <QByteArray> <QColor> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QImage> <QList> <QObject>
  <QPoint> <QRect> <QSize> <QString> <QStringList>
  <algorithm> <cstdint> <functional> <memory> <optional> <string> <vector>)
set(VISTELLO_PCH_WIDGETS <QPainter> <QWidget>)
set(VISTELLO_PCH_TESTS <gtest/gtest.h>)

# vistello_precompile(TARGET [WIDGETS] [TESTS]): the engine's headers, and the
# widget or test headers when the target uses them.
function(vistello_precompile target)
  if(NOT VISTELLO_PCH)
    return()
  endif()
  cmake_parse_arguments(PCH "WIDGETS;TESTS" "" "" ${ARGN})
  set(headers ${VISTELLO_PCH_ENGINE})
  if(PCH_WIDGETS)
    list(APPEND headers ${VISTELLO_PCH_WIDGETS})
  endif()
  if(PCH_TESTS)
    list(APPEND headers ${VISTELLO_PCH_TESTS})
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
