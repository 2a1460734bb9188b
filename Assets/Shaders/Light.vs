#version 410 core
// A plain coloured quad; the light pass loads this program but draws with the mask program.
layout(location = 0) in vec2 corner;

uniform mat4 projection;

void main()
{
  gl_Position = projection * vec4(corner, 0.0, 1.0);
}
