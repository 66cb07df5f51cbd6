# Qt6::Charts for the statistics window. Debian's Qt6Charts package file also asks for the
# OpenGL modules' CMake files (libqt6opengl6-dev), which the charts we draw never use; without
# them the library is imported by hand: its headers and the shared library, on Qt6::Widgets.
find_package(Qt6 6.4 QUIET COMPONENTS Charts)
if(NOT TARGET Qt6::Charts)
  find_library(QUILLBOOK_QT6_CHARTS_LIBRARY NAMES Qt6Charts REQUIRED)
  find_path(QUILLBOOK_QT6_CHARTS_INCLUDE_DIR QChartView
    PATH_SUFFIXES x86_64-linux-gnu/qt6/QtCharts qt6/QtCharts REQUIRED)
  get_filename_component(quillbook_qt6_include_root "${QUILLBOOK_QT6_CHARTS_INCLUDE_DIR}" DIRECTORY)
  add_library(Qt6::Charts SHARED IMPORTED)
  set_target_properties(Qt6::Charts PROPERTIES
    IMPORTED_LOCATION "${QUILLBOOK_QT6_CHARTS_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${QUILLBOOK_QT6_CHARTS_INCLUDE_DIR};${quillbook_qt6_include_root}"
    INTERFACE_LINK_LIBRARIES Qt6::Widgets)
endif()
