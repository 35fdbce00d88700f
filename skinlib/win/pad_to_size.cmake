# Pads FILE with trailing zero bytes to exactly SIZE bytes; fails when FILE is
# already larger.
file(SIZE "${FILE}" actual)
if(actual GREATER SIZE)
  math(EXPR over "${actual} - ${SIZE}")
  message(FATAL_ERROR "${FILE} is ${actual} bytes, ${over} more than the ${SIZE} it must have")
endif()
execute_process(COMMAND truncate -s ${SIZE} "${FILE}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cannot pad ${FILE} to ${SIZE} bytes")
endif()
