// The translation unit that carries the precompiled Qt headers (see QtHeaders.cmake).
