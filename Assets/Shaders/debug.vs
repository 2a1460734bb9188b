#version 410 core
// Outlines of debug shapes: the shape's vertex placed by the rows of its instance transform.
layout(location = 0) in vec2 vertex;
layout(location = 1) in vec4 row0;
layout(location = 2) in vec4 row1;
layout(location = 3) in vec4 row2;
layout(location = 4) in vec4 row3;
layout(location = 5) in vec4 color;

uniform mat4 projection;

out vec4 outlineColor;

void main()
{
  vec4 point = vec4(vertex, 0.0, 1.0);
  gl_Position = projection * vec4(dot(row0, point), dot(row1, point), 0.0, 1.0);
  outlineColor = color;
}
