# haomiso_form_resource(TARGET CLASS FILE)
# Compiles the form description FILE (a .dfm text) into TARGET as an RCDATA
# resource named CLASS; a form of that class reads it when it is created.
function(haomiso_form_resource target class file)
  get_filename_component(path ${file} ABSOLUTE)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_${class}.rc)
  file(GENERATE OUTPUT ${rc} CONTENT "${class} RCDATA \"${path}\"\n")
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${path})
  target_sources(${target} PRIVATE ${rc})
endfunction()
