# The installed CMake package: find_package(ZkFormDesigner 0.1 REQUIRED) gives Zk::Host and
# Zk::Designer with their include directories and their Qt dependency.
include(CMakePackageConfigHelpers)
set(ZK_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/ZkFormDesigner)

install(EXPORT ZkFormDesignerTargets NAMESPACE Zk:: DESTINATION ${ZK_INSTALL_CMAKEDIR}
  COMPONENT Development)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/ZkFormDesignerConfig.cmake.in
  ${CMAKE_BINARY_DIR}/ZkFormDesignerConfig.cmake INSTALL_DESTINATION ${ZK_INSTALL_CMAKEDIR})
# Before 1.0 a minor version may break the interface: 0.1 accepts 0.1.x only.
write_basic_package_version_file(${CMAKE_BINARY_DIR}/ZkFormDesignerConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_BINARY_DIR}/ZkFormDesignerConfig.cmake
  ${CMAKE_BINARY_DIR}/ZkFormDesignerConfigVersion.cmake
  DESTINATION ${ZK_INSTALL_CMAKEDIR} COMPONENT Development)

# The same package for pkg-config. Static archives come whole (see Libraries.cmake), and then
# the program links Qt itself.
if(BUILD_SHARED_LIBS)
  set(ZK_PC_LIBS "-lzkdesign -lzkhost")
  set(ZK_PC_QT_REQUIRES ".private")
else()
  set(ZK_PC_LIBS "-Wl,--whole-archive -lzkdesign -lzkhost -Wl,--no-whole-archive")
  set(ZK_PC_QT_REQUIRES "")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/zkformdesigner.pc.in
  ${CMAKE_BINARY_DIR}/zkformdesigner.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/zkformdesigner.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT Development)
