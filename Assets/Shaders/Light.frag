#version 410 core
out vec4 fragmentColor;

void main()
{
  fragmentColor = vec4(1.0);
}
