# jsoncpp, built for the target from Debian's source package (scripts/setup.sh
# fetches it into VELORA_DEPS).
set(JSONCPP_DIR "${VELORA_DEPS}/jsoncpp")
if(NOT EXISTS "${JSONCPP_DIR}/src/lib_json/json_value.cpp")
  message(FATAL_ERROR "jsoncpp sources not found in ${JSONCPP_DIR}: run scripts/setup.sh")
endif()
add_library(jsoncpp STATIC
  ${JSONCPP_DIR}/src/lib_json/json_reader.cpp
  ${JSONCPP_DIR}/src/lib_json/json_value.cpp
  ${JSONCPP_DIR}/src/lib_json/json_writer.cpp)
target_include_directories(jsoncpp SYSTEM PUBLIC ${JSONCPP_DIR}/include)
target_compile_options(jsoncpp PRIVATE -w)
