# Sources of src/reading: portable ones in CORE_SOURCES, Windows-only ones in WIN_SOURCES.
