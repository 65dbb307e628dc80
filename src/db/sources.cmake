# Sources of src/db: portable ones in CORE_SOURCES, Windows-only ones in WIN_SOURCES.
list(APPEND CORE_SOURCES
)
